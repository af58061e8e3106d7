// The rules that turn raw archive fields into the texts of the display
// columns, one function per rule, taking the field values as the cursor reads
// them (character fields without trailing blanks, memos whole). Pure and
// Windows-1251 in, Windows-1251 out; level_columns.h applies them to a
// cursor's current record.
#pragma once

#include <string>
#include <string_view>

namespace kestrin::archive {

// --- numbers ---
// FKOD without blanks, in upper case: "Р-   12а " shows as "Р-12А".
std::string fondNumberText(std::string_view fkod);
// OKOD trimmed; number and volume joined by "." at the first blank: "  1  2"
// shows as "1.2", "  3" as "3".
std::string inventoryNumberText(std::string_view okod);
// L1 without blanks, in upper case.
std::string fileNumberText(std::string_view l1);

// --- titles ---
// titleAutoformat, then quoteTypography (fond, inventory, file and document
// titles). Blanks at the end are dropped first.
std::string titleText(std::string_view title);
// quoteTypography alone: FNAME as the fond grid shows the raw field.
std::string fondNameText(std::string_view fname);
// The title of a file or document: `preferred` (L5, T2) unless it is blank,
// else `fallback` (L4, T3); then as titleText.
std::string preferredTitleText(std::string_view preferred, std::string_view fallback);

// --- years and dates ---
// The years of a fond or inventory, 0 meaning not given: "б/д", "1920",
// "1920-1925", or the one year given.
std::string yearsText(long long firstYear, long long lastYear);
// The extreme dates of a file from L10, else from the years of L8 and L9
// (0 for no date): "н/д" when there are none.
std::string fileDatesText(std::string_view l10, int firstYear, int lastYear);
// An L10 text that the date rules cannot read, tidied for display: blanks
// around "-" and after "." dropped, zero days and months removed
// ("0.1920 - 0.1925" shows as "1920-1925").
std::string tidyUnreadDates(std::string_view text);
// The date of a document from T9, else the year of T8 (0 for no date);
// "б/д" when there is neither. A T9 the rules cannot read shows as stored.
std::string documentDateText(std::string_view t9, int t8Year);

// --- counts ---
// A whole number with its digits grouped by three: 1234 shows as "1 234".
std::string fileCountText(long long count);

}  // namespace kestrin::archive
