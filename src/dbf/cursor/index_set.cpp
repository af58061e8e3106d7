#include "dbf/cursor/index_set.h"

#include <filesystem>

#include "dbf/base/disk_file.h"
#include "dbf/base/errors.h"
#include "dbf/base/file_name.h"
#include "text/cp1251_case.h"
#include "text/trims.h"

namespace kestrin::dbf {
namespace fs = std::filesystem;

void IndexSet::open(const std::vector<std::string>& names, bool failOnRepeat) {
  close();
  std::vector<std::unique_ptr<CdxFile>> opened;
  std::vector<std::string> paths;
  const fs::path tableFolder = fs::path(table_.fileName()).parent_path();
  for (const auto& entry : names) {
    std::string name = hasExtension(entry) ? entry : entry + ".ndx";
    const bool hasFolder = fs::path(name).has_parent_path();
    const std::string path = hasFolder ? resolvePathNoCase(name) : resolveFileNoCase(tableFolder.string(), name);
    rejectIfNotRegularFile(path);
    std::error_code error;
    if (!fs::exists(path, error)) throw ECursorError("Cannot find file %s", {path});
    const std::string upperPath = text::upper1251(path);
    bool repeated = false;
    for (const auto& seen : paths) repeated = repeated || seen == upperPath;
    if (repeated) {
      if (failOnRepeat) throw ECursorError("Index file %s already open", {path});
      continue;
    }
    if (!text::equalsNoCase1251(fs::path(path).extension().string(), ".cdx")) {
      throw EDbfError("File %s could not be found", {path});
    }
    opened.push_back(CdxFile::open(path));
    paths.push_back(upperPath);
  }
  files_ = std::move(opened);
}

void IndexSet::close() {
  ++generation_;
  current_ = nullptr;
  keys_.clear();
  files_.clear();
}

void IndexSet::select(std::string_view name) {
  name = text::trimSpaces(name);
  if (name.empty()) {
    if (current_) current_->release();
    current_ = nullptr;
    return;
  }
  for (const auto& file : files_) {
    if (CdxTag* tag = file->findTag(name)) {
      keyExpression(*tag);  // compiles the key once and fixes the tag's key type
      if (current_ && current_ != tag) current_->release();
      current_ = tag;
      return;
    }
  }
  throw EDbfError("Cannot find index tag %s", {std::string(name)});
}

ExprHandler& IndexSet::keyExpression(CdxTag& tag) {
  auto it = keys_.find(&tag);
  if (it != keys_.end()) return *it->second;
  auto handler = std::make_unique<ExprHandler>(&link_, table_.tableAlias());
  handler->setExpression(tag.keyExpression());
  // The type of the key's value fixes how the tag compares its keys.
  ExprKeyValue value;
  handler->evaluateKey(value);
  switch (value.type) {
    case ExprKeyValue::Type::Number:
      tag.setKeyType(CdxKeyType::Numeric);
      break;
    case ExprKeyValue::Type::Date:
      tag.setKeyType(CdxKeyType::Date);
      break;
    default:
      tag.setKeyType(CdxKeyType::Character);
      break;
  }
  return *keys_.emplace(&tag, std::move(handler)).first->second;
}

std::string IndexSet::keyOf(CdxTag& tag, RecordView record) {
  const RecordView previous = link_.record();
  link_.setRecord(record);
  ExprKeyValue value;
  try {
    keyExpression(tag).evaluateKey(value);
  } catch (...) {
    link_.setRecord(previous);
    throw;
  }
  link_.setRecord(previous);
  switch (value.type) {
    case ExprKeyValue::Type::Number:
      return tag.keyFromNumber(value.number);
    case ExprKeyValue::Type::Date:
      return tag.keyFromDate(static_cast<std::int32_t>(value.day));
    case ExprKeyValue::Type::Logical:
      return tag.keyFromLogical(value.logical);
    default:
      return tag.keyFromText(value.text);
  }
}

std::vector<std::string> IndexSet::keyFields(CdxTag& tag) {
  const std::string names = keyExpression(tag).listNames(ExprHandler::kFieldClassId);
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (start < names.size()) {
    const std::size_t end = names.find(';', start);
    fields.push_back(text::upper1251(names.substr(start, end - start)));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return fields;
}

}  // namespace kestrin::dbf
