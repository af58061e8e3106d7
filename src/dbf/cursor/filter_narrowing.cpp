#include "dbf/cursor/filter_narrowing.h"

#include <array>

#include "dbf/base/errors.h"
#include "dbf/cdx/cdx_key_prefix.h"
#include "dbf/expr/nodes.h"
#include "text/cp1251_case.h"
#include "text/trims.h"

namespace kestrin::dbf {
namespace {

using expr_detail::FieldNode;
using expr_detail::Node;
using expr_detail::NodeClass;
using expr_detail::OpCode;
using expr_detail::OperatorNode;
using expr_detail::TextLiteralNode;

const Node* unwrapGroups(const Node* node) {
  while (node != nullptr && node->nodeClass() == NodeClass::Group) node = node->right();
  return node;
}

bool isOperator(const Node* node, OpCode op) {
  if (node == nullptr) return false;
  if (node->nodeClass() != NodeClass::AttachedOperator && node->nodeClass() != NodeClass::Operator) return false;
  return static_cast<const OperatorNode*>(node)->op() == op;
}

const FieldNode* asCharacterField(const Node* node) {
  if (node == nullptr || node->classId() != expr_detail::kFieldClassId) return nullptr;
  const auto* field = static_cast<const FieldNode*>(node);
  return field->type() == 'C' ? field : nullptr;
}

const TextLiteralNode* asTextLiteral(const Node* node) {
  if (node == nullptr || node->nodeClass() != NodeClass::TextLiteral) return nullptr;
  return static_cast<const TextLiteralNode*>(node);
}

// The key's value begins with the field's stored bytes when the key is the
// field or a chain of "+" with the field leftmost: text "+" appends the right
// side to the whole left side (a character field is never empty text).
bool keyBeginsWithField(const Node* key, int field) {
  key = unwrapGroups(key);
  while (isOperator(key, OpCode::Add)) key = unwrapGroups(key->left());
  const FieldNode* leftmost = asCharacterField(key);
  return leftmost != nullptr && leftmost->field() == field;
}

// Whether another byte folds to the same upper case as `c`: then a
// case-insensitive comparison accepts a value whose byte differs from `c`.
bool caseHasOtherForm(char c) {
  static const std::array<int, 256> formsPerFold = [] {
    std::array<int, 256> counts{};
    for (const unsigned char folded : text::kUpperTable) ++counts[folded];
    return counts;
  }();
  return formsPerFold[text::kUpperTable[static_cast<unsigned char>(c)]] > 1;
}

}  // namespace

std::optional<FieldEquality> asFieldEquality(const ExprHandler& filter) {
  const Node* root = unwrapGroups(filter.root());
  if (!isOperator(root, OpCode::Equal)) return std::nullopt;
  const Node* left = unwrapGroups(root->left());
  const Node* right = unwrapGroups(root->right());
  if (const FieldNode* field = asCharacterField(left)) {
    if (const TextLiteralNode* literal = asTextLiteral(right)) {
      return FieldEquality{field->field(), field->width(), literal->text(), false};
    }
  }
  if (const FieldNode* field = asCharacterField(right)) {
    if (const TextLiteralNode* literal = asTextLiteral(left)) {
      return FieldEquality{field->field(), field->width(), literal->text(), true};
    }
  }
  return std::nullopt;
}

std::string equalityKeyPrefix(std::string_view literal, bool caseInsensitive) {
  // The comparison trims the blanks and controls at the end of both sides;
  // an accepted value then holds the literal's bytes (folded, when so asked).
  const std::string_view trimmed = text::trimControlsRight(literal);
  std::size_t certain = 0;
  while (certain < trimmed.size()) {
    const char c = trimmed[certain];
    // A key stops at its first NUL.
    if (c == '\0' || (caseInsensitive && caseHasOtherForm(c))) break;
    ++certain;
  }
  return std::string(text::trimControlsRight(trimmed.substr(0, certain)));
}

std::optional<KeyPrefixRange> findKeyPrefixRange(const ExprHandler& filter, IndexSet& indexes, bool caseInsensitive,
                                                 bool partialCompare) {
  const std::optional<FieldEquality> equality = asFieldEquality(filter);
  if (!equality) return std::nullopt;
  const std::string_view trimmed = text::trimControlsRight(equality->literal);
  if (partialCompare) {
    // With patterns on, the right side's "*" at either end makes it a
    // pattern, and the right side of "text"=FIELD is the field's value.
    if (equality->literalOnLeft) return std::nullopt;
    if (!trimmed.empty() && (trimmed.front() == '*' || trimmed.back() == '*')) return std::nullopt;
  }
  if (trimmed.size() > static_cast<std::size_t>(equality->width)) return std::nullopt;
  std::string prefix = equalityKeyPrefix(equality->literal, caseInsensitive);
  if (prefix.empty()) return std::nullopt;

  const auto qualifies = [&](CdxTag& tag) {
    // A FOR condition or unique keys leave records out of the tag; GENERAL
    // keys are weights, not the field's bytes; a shorter key cuts the prefix.
    if (tag.hasForCondition() || tag.unique() || tag.collation() != CdxCollation::Machine ||
        tag.keyLength() < prefix.size()) {
      return false;
    }
    try {
      const ExprHandler& key = indexes.keyExpression(tag);
      return tag.keyType() == CdxKeyType::Character && keyBeginsWithField(key.root(), equality->field);
    } catch (const EDbfError&) {
      return false;  // a key this table cannot evaluate says nothing about its records
    }
  };
  if (CdxTag* current = indexes.current(); current != nullptr && qualifies(*current)) {
    return KeyPrefixRange{current, std::move(prefix)};
  }
  for (const auto& file : indexes.files()) {
    for (std::size_t i = 0; i < file->tagCount(); ++i) {
      if (qualifies(file->tag(i))) return KeyPrefixRange{&file->tag(i), std::move(prefix)};
    }
  }
  return std::nullopt;
}

std::uint32_t stepWithinPrefix(CdxTag& tag, std::string_view prefix, Step step) {
  bool forward = true;
  std::uint32_t n = 0;
  switch (step) {
    case Step::First:
      return cdxFirstWithPrefix(tag, prefix);
    case Step::Last:
      return cdxLastWithPrefix(tag, prefix);
    case Step::Next:
      n = tag.next();
      break;
    case Step::Prior:
      forward = false;
      n = tag.prior();
      break;
    case Step::Current:
      n = tag.current();
      break;
  }
  if (n == 0) return 0;
  // A step from a record outside the range (one reached by its number) goes
  // to the near end of the range, or ends when the range lies behind it.
  const int place = cdxPlaceAgainstPrefix(tag, prefix);
  if (place == 0) return n;
  if (forward && place < 0) return cdxFirstWithPrefix(tag, prefix);
  if (!forward && place > 0) return cdxLastWithPrefix(tag, prefix);
  return 0;
}

}  // namespace kestrin::dbf
