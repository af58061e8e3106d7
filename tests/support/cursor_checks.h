// Small helpers the engine tests share: the record numbers a cursor visits,
// and the message of the exception an action throws.
#pragma once

#include <exception>
#include <string>
#include <vector>

#include "dbf/cursor/table_cursor.h"

namespace kestrin::testing {

// Record numbers from First to Eof.
inline std::vector<int> forwardWalk(dbf::TableCursor& cursor) {
  std::vector<int> seen;
  for (cursor.first(); !cursor.eof(); cursor.next()) seen.push_back(cursor.recNo());
  return seen;
}

// Record numbers from Last to Bof.
inline std::vector<int> backwardWalk(dbf::TableCursor& cursor) {
  std::vector<int> seen;
  for (cursor.last(); !cursor.bof(); cursor.prior()) seen.push_back(cursor.recNo());
  return seen;
}

// The message of what `action` throws, or "no error".
template <typename Action>
std::string errorOf(Action&& action) {
  try {
    action();
  } catch (const std::exception& error) {
    return error.what();
  }
  return "no error";
}

}  // namespace kestrin::testing
