#include "entries/cdx_fuzz_entry.h"

#include <string>

#include "dbf/base/errors.h"
#include "dbf/cdx/cdx_file.h"

namespace kestrin::fuzz {

namespace {

void exerciseTag(dbf::CdxTag& tag) {
  std::string someKey;
  std::uint32_t someRecord = 0;
  for (std::uint32_t r = tag.first(); r != 0; r = tag.next()) {
    if (someRecord == 0) {
      someKey = std::string(tag.currentKey());
      someRecord = r;
    }
  }
  for (std::uint32_t r = tag.last(); r != 0; r = tag.prior()) {
  }
  tag.current();
  tag.seek(someKey, dbf::CdxMatch::Exact);
  tag.next();
  tag.seek(someKey.substr(0, someKey.size() / 2), dbf::CdxMatch::Partial);
  tag.prior();
  tag.seek("\xFF", dbf::CdxMatch::Partial);
  tag.prior();
  tag.positionOnRecord(someKey, someRecord);
  tag.current();
  tag.positionOnRecord(someKey, someRecord + 1);
}

}  // namespace

bool exerciseCdxImage(const std::uint8_t* data, std::size_t size) {
  try {
    auto file = dbf::CdxFile::openImage("fuzz.cdx", std::string(reinterpret_cast<const char*>(data), size));
    for (std::size_t i = 0; i < file->tagCount(); ++i) {
      dbf::CdxTag& tag = file->tag(i);
      for (auto type : {dbf::CdxKeyType::Character, dbf::CdxKeyType::Numeric}) {
        tag.setKeyType(type);
        try {
          exerciseTag(tag);
        } catch (const dbf::EDbfError&) {
          // A damaged tag; the others may still be read.
        }
      }
    }
    return true;
  } catch (const dbf::EDbfError&) {
    return false;
  }
}

}  // namespace kestrin::fuzz
