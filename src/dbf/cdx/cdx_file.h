// A CDX compound index file opened read-only: its tag directory and tags.
//
//   auto cdx = CdxFile::open("/base/fond.cdx");
//   CdxTag* tag = cdx->findTag("fkod");
//   for (auto r = tag->first(); r != 0; r = tag->next()) { ... }
//
// Opening reads the directory and every tag header; nodes are read only when a
// tag moves. The file is never written.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dbf/base/byte_source.h"
#include "dbf/cdx/cdx_tag.h"

namespace kestrin::dbf {

class CdxFile {
 public:
  // Opens the file at `path` (".cdx" is added when it has no extension; the
  // name's letter case need not match). Throws EDbfError: "Cannot find file %s"
  // when it does not exist, "Access denied to file %s" when it cannot be
  // opened; ECdxCorrupted ("Index file %s is corrupted") for a file of 512
  // bytes or less (it would have to be initialised as a new index, which a
  // reader never does), a damaged directory or tag header. %s is the path as
  // given (with the added extension).
  static std::unique_ptr<CdxFile> open(const std::string& path);

  // The same over any byte source; `fileName` names the file in messages.
  static std::unique_ptr<CdxFile> open(std::string fileName, std::unique_ptr<ByteSource> source);

  // The same over an in-memory image of a file.
  static std::unique_ptr<CdxFile> openImage(std::string fileName, std::string bytes);

  CdxFile(const CdxFile&) = delete;
  CdxFile& operator=(const CdxFile&) = delete;

  const std::string& fileName() const { return fileName_; }

  // Tags in directory order (the directory keeps their names sorted).
  std::size_t tagCount() const { return tags_.size(); }
  CdxTag& tag(std::size_t i) { return *tags_[i]; }

  // The tag whose name equals `name` without regard to case; nullptr if none.
  CdxTag* findTag(std::string_view name);

 private:
  CdxFile(std::string fileName, std::unique_ptr<ByteSource> source);
  void readDirectory();

  std::string fileName_;
  std::unique_ptr<ByteSource> source_;
  std::vector<std::unique_ptr<CdxTag>> tags_;
};

}  // namespace kestrin::dbf
