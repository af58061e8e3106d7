#include "dbf/cdx/cdx_file.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "dbf/base/disk_file.h"
#include "dbf/base/errors.h"
#include "dbf/base/file_name.h"
#include "dbf/cdx/cdx_corrupted.h"
#include "dbf/cdx/cdx_tag_header.h"
#include "text/cp1251_case.h"

namespace kestrin::dbf {

std::unique_ptr<CdxFile> CdxFile::open(const std::string& path) {
  const std::string name = hasExtension(path) ? path : path + ".cdx";
  // The archive's names were written on Windows, where case does not matter.
  const std::string found = resolvePathNoCase(name);
  rejectIfNotRegularFile(found);
  std::error_code error;
  if (!std::filesystem::is_regular_file(found, error)) throw EDbfError("Cannot find file %s", {name});
  return open(name, std::make_unique<DiskFile>(found));
}

std::unique_ptr<CdxFile> CdxFile::openImage(std::string fileName, std::string bytes) {
  auto image = std::make_unique<MemoryImage>(fileName, std::move(bytes));
  return open(std::move(fileName), std::move(image));
}

std::unique_ptr<CdxFile> CdxFile::open(std::string fileName, std::unique_ptr<ByteSource> source) {
  std::unique_ptr<CdxFile> file(new CdxFile(std::move(fileName), std::move(source)));
  file->readDirectory();
  return file;
}

CdxFile::CdxFile(std::string fileName, std::unique_ptr<ByteSource> source)
    : fileName_(std::move(fileName)), source_(std::move(source)) {}

CdxTag* CdxFile::findTag(std::string_view name) {
  for (auto& tag : tags_) {
    if (text::equalsNoCase1251(tag->name(), name)) return tag.get();
  }
  return nullptr;
}

void CdxFile::readDirectory() {
  const auto size = static_cast<std::uint64_t>(source_->size());
  // Another program would initialise such a file as an empty index; opened
  // read-only it can only be reported.
  if (size <= kCdxBlockSize) {
    throwCdxCorrupted(fileName_, "file of " + std::to_string(size) + " bytes, too short for a tag directory");
  }

  std::vector<unsigned char> block(kCdxTagHeaderSize);
  auto readHeader = [&](std::uint64_t offset) {
    if (source_->read(static_cast<std::int64_t>(offset), block.data(), block.size()) != block.size()) {
      throwCdxCorrupted(fileName_, "tag header at " + std::to_string(offset) + " lies beyond the end of the file");
    }
    return CdxTagHeader::decode(block.data(), block.data() + block.size(), size, fileName_);
  };

  CdxTag directory(*source_, fileName_, std::string(), 0, readHeader(0));
  for (std::uint32_t offset = directory.first(); offset != 0; offset = directory.next()) {
    std::string name = text::upper1251(directory.currentKey());
    if (offset % kCdxBlockSize != 0) {
      throwCdxCorrupted(fileName_,
                        "tag " + name + " has its header at " + std::to_string(offset) + ", not a block of its own");
    }
    CdxTagHeader header = readHeader(offset);
    tags_.push_back(std::make_unique<CdxTag>(*source_, fileName_, std::move(name), offset, std::move(header)));
  }
}

}  // namespace kestrin::dbf
