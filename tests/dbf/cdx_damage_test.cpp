// Damaged CDX files, made by byte surgery on files the writer produced: every
// structural fault is reported as "Index file %s is corrupted", at open when
// it is in the directory or a tag header, on the first movement that meets it
// otherwise; nothing crashes or loops.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "cdx_test_support.h"
#include "dbf/cdx/cdx_corrupted.h"
#include "support/temp_dir.h"

namespace kestrin::dbf {
namespace {

using namespace cdxtest;

constexpr const char* kCorrupted = "Index file test.cdx is corrupted";

// NAME: 1500 keys in two levels; KOD: one root leaf, last in the file.
struct Layout {
  std::string image;
  std::uint32_t nameHeader = 0, nameRoot = 0, kodHeader = 0, kodRoot = 0;
};

Layout layout() {
  std::vector<KeyRec> names, kods;
  for (std::uint32_t r = 1; r <= 1500; ++r) names.emplace_back("N" + std::to_string(r * 37 % 1501), r);
  for (std::uint32_t r = 1; r <= 20; ++r) kods.emplace_back(std::to_string(r), r);
  Layout l;
  l.image = buildCdxImage({characterTag("NAME", 10, names), characterTag("KOD", 7, kods)});
  auto file = CdxFile::openImage("test.cdx", l.image);
  l.nameHeader = file->findTag("NAME")->headerOffset();
  l.kodHeader = file->findTag("KOD")->headerOffset();
  l.nameRoot = le32At(l.image, l.nameHeader);
  l.kodRoot = le32At(l.image, l.kodHeader);
  return l;
}

// Walks every tag both ways and seeks a little, as a viewer would.
void exercise(CdxFile& file) {
  for (std::size_t i = 0; i < file.tagCount(); ++i) {
    CdxTag& tag = file.tag(i);
    for (std::uint32_t r = tag.first(); r != 0; r = tag.next()) {
    }
    for (std::uint32_t r = tag.last(); r != 0; r = tag.prior()) {
    }
    tag.seek("N5", CdxMatch::Partial);
  }
}

struct Damage {
  const char* name;
  std::function<void(Layout&)> apply;
  bool atOpen;
};

class CdxDamage : public ::testing::TestWithParam<Damage> {};

TEST_P(CdxDamage, ReportsTheFileAsCorrupted) {
  Layout l = layout();
  GetParam().apply(l);
  try {
    auto file = CdxFile::openImage("test.cdx", l.image);
    ASSERT_FALSE(GetParam().atOpen) << "opened a damaged directory or header";
    exercise(*file);
    FAIL() << "no fault reported";
  } catch (const ECdxCorrupted& e) {
    EXPECT_STREQ(e.what(), kCorrupted);
    EXPECT_FALSE(e.detail().empty());
  }
}

// Offsets of the first interior entry's child and of a leaf entry's bytes.
std::uint32_t childAt(const Layout& l, int entry) { return l.nameRoot + 12 + entry * 18 + 14; }
std::uint32_t kodEntry(const Layout& l, int entry) { return l.kodRoot + 24 + 3 * entry; }

const Damage kDamages[] = {
    {"DirectoryRootNotOnABlock", [](Layout& l) { putLE32(l.image, 0, 1000); }, true},
    {"DirectoryRootZero", [](Layout& l) { putLE32(l.image, 0, 0); }, true},
    {"DirectoryRootBeyondTheFile", [](Layout& l) { putLE32(l.image, 0, static_cast<std::uint32_t>(l.image.size())); },
     true},
    {"KeyLengthOver240", [](Layout& l) { putLE16(l.image, l.nameHeader + 12, 241); }, true},
    {"KeyLengthZero", [](Layout& l) { putLE16(l.image, l.kodHeader + 12, 0); }, true},
    {"TagWithoutKeyExpression", [](Layout& l) { l.image[l.nameHeader + 512] = '\0'; }, true},
    {"TagRootBeyondTheFile", [](Layout& l) { l.image.resize(l.image.size() - 512); }, true},
    {"TagHeaderOffsetNotOnABlock",
     [](Layout& l) {
       l.image[1024 + 24] = '\x10';  // first directory entry's record number
     },
     true},
    {"DirectoryLeafCountTooLarge", [](Layout& l) { putLE16(l.image, 1024 + 2, 200); }, true},
    {"LeafBitsWiderThanTheEntry",
     [](Layout& l) {
       l.image[l.kodRoot + 21] = 9;
       l.image[l.kodRoot + 22] = 9;
     },
     false},
    {"LeafEntryOfNineBytes", [](Layout& l) { l.image[l.kodRoot + 23] = 9; }, false},
    {"LeafEntryOfOneByte", [](Layout& l) { l.image[l.kodRoot + 23] = 1; }, false},
    {"LeafRecordBitsOver32", [](Layout& l) { l.image[l.kodRoot + 20] = 40; }, false},
    {"LeafCountsExceedTheKeyLength", [](Layout& l) { l.image[kodEntry(l, 3) + 2] = '\xFF'; }, false},
    {"LeafKeysRunIntoEntries", [](Layout& l) { putLE16(l.image, l.kodRoot + 2, 150); }, false},
    {"LeafRecordNumberZero",
     [](Layout& l) {
       l.image[kodEntry(l, 5)] = 0;
       l.image[kodEntry(l, 5) + 1] = 0;
     },
     false},
    {"InteriorCountTooLarge", [](Layout& l) { putLE16(l.image, l.nameRoot + 2, 100); }, false},
    {"ChildBeyondTheFile",
     [](Layout& l) { putBE32(l.image, childAt(l, 1), static_cast<std::uint32_t>(l.image.size() + 512 * 4)); }, false},
    {"ChildNotOnABlock", [](Layout& l) { putBE32(l.image, childAt(l, 0), 1030); }, false},
    {"ChildIsTheRoot", [](Layout& l) { putBE32(l.image, childAt(l, 2), l.nameRoot); }, false},
    {"RootNotMarkedAsRoot", [](Layout& l) { putLE16(l.image, l.nameRoot, 0); }, false},
    {"RootPointsAtItsTagHeader", [](Layout& l) { putLE32(l.image, l.nameHeader, l.nameHeader); }, false},
    {"RootPointsAtALeafBelowIt", [](Layout& l) { putLE32(l.image, l.nameHeader, be32At(l.image, childAt(l, 0))); },
     false},
    {"ChildMarkedAsRoot", [](Layout& l) { putLE16(l.image, be32At(l.image, childAt(l, 1)), 3); }, false},
    {"NodeAttributesOfNoKind", [](Layout& l) { putLE16(l.image, be32At(l.image, childAt(l, 0)), 0x0600); }, false},
    {"InteriorRootWithoutKeys", [](Layout& l) { putLE16(l.image, l.nameRoot + 2, 0); }, false},
    {"TwoEntriesShareOneLeaf", [](Layout& l) { putBE32(l.image, childAt(l, 1), be32At(l.image, childAt(l, 0))); },
     false},
};

INSTANTIATE_TEST_SUITE_P(Surgery, CdxDamage, ::testing::ValuesIn(kDamages),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(CdxDamage, TagStaysUsableAfterAFault) {
  Layout l = layout();
  putBE32(l.image, childAt(l, 1), 0x7FFFFE00);
  auto file = CdxFile::openImage("test.cdx", l.image);
  CdxTag& tag = *file->findTag("NAME");
  EXPECT_NE(tag.first(), 0u);
  EXPECT_THROW(
      {
        for (std::uint32_t r = tag.recNo(); r != 0; r = tag.next()) {
        }
      },
      ECdxCorrupted);
  EXPECT_EQ(tag.recNo(), 0u);
  EXPECT_NE(tag.first(), 0u) << "the first leaf is still readable";
}

TEST(CdxDamage, ShortAndMissingFiles) {
  testing::TempDir dir;
  // Nothing is written to a file opened read-only: a file too short for a tag
  // directory is a damaged one.
  for (std::size_t size : {0u, 100u, 512u}) {
    testing::writeFileBytes(dir.file("short.cdx"), std::string(size, '\0'));
    try {
      CdxFile::open(dir.file("short.cdx"));
      FAIL() << size;
    } catch (const ECdxCorrupted& e) {
      EXPECT_EQ(std::string(e.what()), "Index file " + dir.file("short.cdx") + " is corrupted");
      EXPECT_EQ(e.detail(), "file of " + std::to_string(size) + " bytes, too short for a tag directory");
    }
  }
  try {
    CdxFile::open(dir.file("none.cdx"));
    FAIL();
  } catch (const EDbfError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot find file " + dir.file("none.cdx"));
  }
  testing::writeFileBytes(dir.file("cut.cdx"), std::string(700, '\0'));
  EXPECT_THROW(CdxFile::open(dir.file("cut.cdx")), ECdxCorrupted);
}

}  // namespace
}  // namespace kestrin::dbf
