// The words the demo archive is made of: places, institutions, people,
// subjects and the like of a Russian provincial archive, in Windows-1251.
// Patterns hold placeholders in braces that demo_text.h fills in.
#pragma once

#include <span>
#include <string_view>

namespace kestrin::demo::words {

struct District {
  std::string_view town;          // "Рыбинск"
  std::string_view townGenitive;  // "г. Рыбинска"
  std::string_view adjective;     // "Рыбинского" (уезда, района)
  std::string_view feminine;      // "Рыбинская" (уездная земская управа)
  std::string_view masculine;     // "Рыбинский" (районный комитет)
  std::string_view neuter;        // "Рыбинское" (уездное казначейство)
};
std::span<const District> districts();

// Institutions before 1917 and after it; {U}, {M}, {E} the district's
// adjective in the feminine, masculine and neuter, {A} in the genitive, {G} the town in the genitive, {P} a
// surname, {V} a village, {Q} an enterprise's name, {N} a small number.
std::span<const std::string_view> oldInstitutions();
std::span<const std::string_view> sovietInstitutions();
// The names of plants, collective farms and artels ({Q} in the patterns).
std::span<const std::string_view> enterpriseNames();
std::span<const std::string_view> villagesGenitive();

std::span<const std::string_view> surnames();        // male forms: Иванов
std::span<const std::string_view> maleFirstNames();  // with patronymic: Пётр Николаевич
std::span<const std::string_view> femaleFirstNames();
std::span<const std::string_view> occupations();  // краевед, врач

// "о ремонте школьных зданий": what a file or a document is about.
std::span<const std::string_view> subjects();
// Keywords of the subject index, and the rubrics of the rubricator.
std::span<const std::string_view> themes();
std::span<const std::string_view> rubrics();

// File title patterns: {S} a subject, {Y} a year, {Z} a second year, {P} a
// person in the genitive, {R} a person with initials first, {G} a town,
// {V} a village, {Q} an enterprise's name, {N}, {M}, {O} numbers.
std::span<const std::string_view> fileTitlePatterns();
std::span<const std::string_view> personnelFileTitlePatterns();
std::span<const std::string_view> photoFileTitlePatterns();
// Document titles: {K} the kind with a capital letter, and the slots above.
std::span<const std::string_view> documentTitlePatterns();

std::span<const std::string_view> monthsNominative();  // январь ...
std::span<const std::string_view> monthsGenitive();    // января ...

// Sentences of a historical note: {Y}, {Z}, {W} years, {R} a person.
std::span<const std::string_view> historyPhrases();
std::span<const std::string_view> photoPlaces();
std::span<const std::string_view> photoScenes();  // descriptions of single photographs
std::span<const std::string_view> photoSizes();   // 9х12

}  // namespace kestrin::demo::words
