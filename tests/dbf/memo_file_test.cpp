// Memo texts from FPT and DBT files, and the damaged memo files a reader meets.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>

#include "dbf/base/coding.h"
#include "dbf/base/errors.h"
#include "dbf/table/dbf_fields.h"
#include "support/cursor_checks.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::dbf {
namespace {

using testing::errorOf;
using testing::readFileBytes;
using testing::TempDir;
using testing::writeFileBytes;
using testing::writeTable;

std::string memoTable(const TempDir& dir, const std::vector<std::string>& memos, std::uint16_t blockSize = 64) {
  std::vector<testing::TestRecord> records;
  for (const auto& memo : memos) records.push_back({{std::string("x"), memo}});
  DbfWriterOptions options;
  options.memoBlockSize = blockSize;
  return writeTable(dir.file("M.DBF"), {{"C", 'C', 1, 0}, {"MEMO", 'M', 10, 0}}, records, options);
}

TEST(MemoFile, ReadsWholeMemosAcrossBlocks) {
  TempDir dir;
  std::string longText;
  for (int i = 0; i < 1000; ++i) longText.push_back(static_cast<char>('a' + i % 26));
  longText[10] = '\0';  // embedded NULs belong to the text
  DbfFields table(memoTable(dir, {"short", "", longText}));
  for (bool readAhead : {false, true}) {
    SCOPED_TRACE(readAhead ? "read ahead" : "record by record");
    table.setReadAhead(readAhead);
    table.readRecord(1);
    EXPECT_EQ(table.memoBlock(table.currentRecord(), 2), 8u);  // the header fills the first 512 bytes: 8 blocks of 64
    EXPECT_EQ(table.memoText(table.currentRecord(), 2), "short");
    table.readRecord(2);
    EXPECT_EQ(table.memoBlock(table.currentRecord(), 2), 0u);
    EXPECT_EQ(table.memoText(table.currentRecord(), 2), "");
    table.readRecord(3);
    EXPECT_EQ(table.memoLength(table.currentRecord(), 2), 1000u);
    EXPECT_EQ(table.memoText(table.currentRecord(), 2), longText);
  }
}

// A scan sees a memo where it lies in the read-ahead buffer; one longer than
// the buffer, or cut short by the end of the file, is read as a copy would be.
TEST(MemoFile, ViewedMemosAreTheTextsRead) {
  TempDir dir;
  const std::string longText(1000, 'L');
  memoTable(dir, {"short", "", longText, "after the long one"});
  const std::string fpt = readFileBytes(dir.file("M.FPT"));
  const std::uint32_t blocks[] = {8, 0, 9, 8 + 1 + (8 + 1000 + 63) / 64};
  const std::string texts[] = {"short", "", longText, "after the long one"};
  for (const std::size_t bufferSize : {std::size_t{256}, ReadAheadBuffer::kScanTargetSize}) {
    SCOPED_TRACE(bufferSize);
    auto memo = openMemoFile(MemoKind::Fpt, std::make_unique<MemoryImage>("M.FPT", fpt));
    memo->setReadAhead(true, bufferSize);
    std::string spill;
    for (std::size_t i = 0; i < std::size(blocks); ++i) EXPECT_EQ(memo->viewMemo(blocks[i], spill), texts[i]) << i;
  }
  auto cut = openMemoFile(MemoKind::Fpt, std::make_unique<MemoryImage>("M.FPT", fpt.substr(0, 512 + 8 + 3)));
  cut->setReadAhead(true, ReadAheadBuffer::kScanTargetSize);
  std::string spill;
  EXPECT_EQ(errorOf([&] { cut->viewMemo(8, spill); }), "Memo data runs past the end of file M.FPT");
}

// The same table read from images in memory: records, memos and the names
// in the messages as from the files.
TEST(MemoFile, ReadsTableAndMemoImagesFromMemory) {
  TempDir dir;
  const std::string path = memoTable(dir, {"short", "", "third memo"});
  DbfFields table(TableSources::inMemory("M.DBF", readFileBytes(path), readFileBytes(dir.file("M.FPT"))));
  EXPECT_EQ(table.fileName(), "M.DBF");
  EXPECT_EQ(table.recordCount(), 3);
  const char* expected[] = {"short", "", "third memo"};
  for (int n = 1; n <= 3; ++n) {
    table.readRecord(n);
    EXPECT_EQ(table.memoText(table.currentRecord(), 2), expected[n - 1]) << "record " << n;
  }
  std::string fpt = readFileBytes(dir.file("M.FPT"));
  fpt[512 + 3] = 2;
  DbfFields damaged(TableSources::inMemory("M.DBF", readFileBytes(path), fpt));
  damaged.readRecord(1);
  EXPECT_EQ(errorOf([&] { damaged.memoText(damaged.currentRecord(), 2); }), "Memo record is bad in M.fpt");
}

TEST(MemoFile, BlankMemoFieldNeverOpensTheMemoFile) {
  TempDir dir;
  const std::string path = memoTable(dir, {""});
  std::filesystem::remove(dir.file("M.FPT"));
  DbfFields table(path);
  table.readRecord(1);
  EXPECT_EQ(table.memoText(table.currentRecord(), 2), "");
}

TEST(MemoFile, MissingMemoFileFailsOnFirstAccess) {
  TempDir dir;
  const std::string path = memoTable(dir, {"text"});
  std::filesystem::remove(dir.file("M.FPT"));
  DbfFields table(path);
  table.readRecord(1);
  EXPECT_EQ(errorOf([&] { table.memoText(table.currentRecord(), 2); }),
            "File " + dir.file("M.fpt") + " could not be found");
}

TEST(MemoFile, FindsTheMemoFileWhateverItsLetterCase) {
  TempDir dir;
  const std::string path = memoTable(dir, {"text"});
  std::filesystem::rename(dir.file("M.FPT"), dir.file("m.Fpt"));
  DbfFields table(path);
  table.readRecord(1);
  EXPECT_EQ(table.memoText(table.currentRecord(), 2), "text");
}

TEST(MemoFile, DamagedMemoFilesGiveClearErrors) {
  TempDir dir;
  const std::string path = memoTable(dir, {"some memo text"});
  const std::string fpt = dir.file("M.FPT");
  const std::string good = readFileBytes(fpt);
  struct Damage {
    const char* name;
    std::function<void(std::string&)> apply;
    std::string message;
  };
  const std::vector<Damage> damages = {
      {"bad block type", [](std::string& b) { b[512 + 3] = 2; }, "Memo record is bad in " + fpt},
      {"block size 0", [](std::string& b) { b[6] = b[7] = 0; }, "Memo file " + fpt + " has a block size of 0"},
      {"length past the file",
       [](std::string& b) { encodeBE32(reinterpret_cast<unsigned char*>(b.data()) + 512 + 4, 0x7FFFFFFF); },
       "Memo data runs past the end of file " + fpt},
      {"block beyond the file", [](std::string& b) { b.resize(256); },
       "Memo block 8 lies beyond the end of file " + fpt},
      {"header cut short", [](std::string& b) { b.resize(10); }, "Error on Read of file " + fpt},
  };
  for (const auto& damage : damages) {
    std::string bytes = good;
    damage.apply(bytes);
    writeFileBytes(fpt, bytes);
    DbfFields table(path);
    table.readRecord(1);
    EXPECT_EQ(errorOf([&] { table.memoText(table.currentRecord(), 2); }), damage.message) << damage.name;
  }
}

TEST(MemoFile, ReadsDbaseMemoVariants) {
  TempDir dir;
  const std::string path = writeTable(dir.file("D.DBF"), {{"MEMO", 'C', 10, 0}}, {{{std::string("0000000001")}}});
  std::string dbf = readFileBytes(path);
  dbf[32 + 11] = 'M';

  // dBASE III: text up to the end mark in 512-byte blocks.
  dbf[0] = static_cast<char>(0x83);
  writeFileBytes(path, dbf);
  std::string dbt(512, '\0');
  dbt += "dBASE three";
  dbt += '\x1A';
  dbt.resize(1024, '\0');
  writeFileBytes(dir.file("D.DBT"), dbt);
  {
    DbfFields table(path);
    table.readRecord(1);
    EXPECT_EQ(table.memoText(table.currentRecord(), 1), "dBASE three");
  }

  // dBASE IV: block size in the header, FF FF and the length with its header.
  dbf[0] = static_cast<char>(0x8B);
  writeFileBytes(path, dbf);
  std::string dbt4(256, '\0');
  encodeLE32(reinterpret_cast<unsigned char*>(dbt4.data()) + 20, 256);
  std::string block("\xFF\xFF\x08\x00\0\0\0\0", 8);
  encodeLE32(reinterpret_cast<unsigned char*>(block.data()) + 4, 8 + 10);
  block += "dBASE four";
  dbt4 += block;
  writeFileBytes(dir.file("D.DBT"), dbt4);
  {
    DbfFields table(path);
    table.readRecord(1);
    EXPECT_EQ(table.memoText(table.currentRecord(), 1), "dBASE four");
  }
}

}  // namespace
}  // namespace kestrin::dbf

namespace kestrin::dbf {
namespace {

// A memo file another program is writing: the first `hiddenAsks` questions
// for its size see it cut at `shownLength`, the later ones see all of it.
class GrowingImage final : public ByteSource {
 public:
  GrowingImage(std::string bytes, std::size_t shownLength, int hiddenAsks)
      : bytes_(std::move(bytes)), shown_(shownLength), hiddenAsks_(hiddenAsks) {}

  std::size_t read(std::int64_t offset, void* buffer, std::size_t length) const override {
    const auto end = static_cast<std::int64_t>(visible());
    if (offset >= end) return 0;
    const std::size_t n = std::min(length, static_cast<std::size_t>(end - offset));
    std::memcpy(buffer, bytes_.data() + offset, n);
    return n;
  }
  std::int64_t size() const override {
    ++asks_;
    return static_cast<std::int64_t>(visible());
  }
  const std::string& name() const override { return name_; }
  int asks() const { return asks_; }

 private:
  std::size_t visible() const { return asks_ > hiddenAsks_ ? bytes_.size() : shown_; }

  std::string name_ = "M.FPT";
  std::string bytes_;
  std::size_t shown_;
  int hiddenAsks_;
  mutable int asks_ = 0;
};

TEST(MemoFile, BlockBeingAppendedIsWaitedForOnce) {
  TempDir dir;
  memoTable(dir, {"appended memo"});
  const std::string fpt = readFileBytes(dir.file("M.FPT"));
  const std::uint32_t block = 512 / 64;
  const struct {
    const char* name;
    int hiddenAsks;  // the memo block shows from this size question on
    const char* result;
  } cases[] = {
      {"written before the record is read", 0, "appended memo"},
      {"written during the wait", 1, "appended memo"},
      {"never written", 1000, "Memo block 8 lies beyond the end of file M.FPT"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto source = std::make_unique<GrowingImage>(fpt, 512, c.hiddenAsks);
    const GrowingImage& image = *source;
    auto memo = openMemoFile(MemoKind::Fpt, std::move(source));
    const auto textOrError = [&]() -> std::string {
      try {
        return memo->readMemoText(block);
      } catch (const EDbfError& error) {
        return error.what();
      }
    };
    EXPECT_EQ(textOrError(), c.result);
    // Met again at the same size of the file, the block is not waited for twice.
    const int asked = image.asks();
    EXPECT_EQ(textOrError(), c.result);
    EXPECT_LE(image.asks(), asked + 1);
  }
}

}  // namespace
}  // namespace kestrin::dbf
