#include "dbf/expr/handler.h"

#include <cmath>

#include "dbf/expr/compiler.h"
#include "text/cp1251_case.h"

namespace kestrin::dbf {

using expr_detail::CompileOptions;
using expr_detail::EvalEnv;
using expr_detail::ExprTree;

struct ExprHandler::State {
  EvalEnv env;
  ExprTree tree;
  bool caseInsensitive = false;
  bool partialCompare = true;
  ExprKind resultKind = ExprKind::Unknown;
};

std::string removeAliasPrefixes(std::string_view expression, std::string_view alias) {
  std::string text(expression);
  if (alias.empty()) return text;
  std::string upper = text::upper1251(text);
  const std::string dot = text::upper1251(alias) + ".";
  const std::string arrow = text::upper1251(alias) + "->";
  std::size_t from = 0;
  while (true) {
    const std::size_t atDot = upper.find(dot, from);
    const std::size_t atArrow = upper.find(arrow, from);
    const std::size_t at = std::min(atDot, atArrow);
    if (at == std::string::npos) break;
    const std::size_t length = at == atDot ? dot.size() : arrow.size();
    text.erase(at, length);
    upper.erase(at, length);
    // A removal can join the pieces of a new occurrence just before it.
    from = at >= arrow.size() ? at - arrow.size() : 0;
  }
  return text;
}

ExprHandler::ExprHandler(ExprTableLink* link, std::string_view alias, std::string_view expression, ExprOptions options)
    : state_(std::make_unique<State>()) {
  state_->env.link = link;
  state_->env.regional = std::move(options.regional);
  state_->env.defaultStrWidth = options.defaultStrWidth;
  state_->caseInsensitive = options.caseInsensitive;
  state_->partialCompare = options.partialCompare;
  setExpression(removeAliasPrefixes(expression, alias));
}

ExprHandler::~ExprHandler() = default;
ExprHandler::ExprHandler(ExprHandler&&) noexcept = default;
ExprHandler& ExprHandler::operator=(ExprHandler&&) noexcept = default;

void ExprHandler::setCaseInsensitive(bool on) { state_->caseInsensitive = on; }
void ExprHandler::setPartialCompare(bool on) { state_->partialCompare = on; }
void ExprHandler::setDefaultStrWidth(int width) { state_->env.defaultStrWidth = width; }
void ExprHandler::setRegional(const RegionalSettings& regional) { state_->env.regional = regional; }

void ExprHandler::setExpression(std::string_view text) {
  state_->resultKind = ExprKind::Unknown;
  expr_detail::compileExpression(text, state_->env, CompileOptions{state_->caseInsensitive, state_->partialCompare},
                                 state_->tree);
}

bool ExprHandler::hasExpression() const { return state_->tree.root != nullptr; }

const ExprValue& ExprHandler::evaluate() {
  static const ExprValue kNoValue;
  if (state_->tree.root == nullptr) {
    state_->resultKind = ExprKind::Unknown;
    return kNoValue;
  }
  // A failed evaluation leaves no result kind behind.
  state_->resultKind = ExprKind::Unknown;
  ++state_->env.evaluation;
  const ExprValue& value = state_->tree.root->evaluate();
  state_->resultKind = value.kind;
  return value;
}

ExprKind ExprHandler::resultKind() const { return state_->resultKind; }

void ExprHandler::evaluateKey(ExprKeyValue& key) {
  if (state_->tree.root == nullptr) {
    key = ExprKeyValue{};
    state_->resultKind = ExprKind::Unknown;
    return;
  }
  const ExprValue& value = evaluate();
  switch (value.kind) {
    case ExprKind::Text:
    case ExprKind::Number:
    case ExprKind::DateTime:
    case ExprKind::Date:
    case ExprKind::Boolean:
      break;
    default:
      state_->resultKind = ExprKind::Unknown;
      return;
  }
  if (value.isNull()) return;
  switch (value.kind) {
    case ExprKind::Text:
      key.type = ExprKeyValue::Type::Text;
      key.text.assign(value.asText());
      break;
    case ExprKind::Date: {
      key.type = ExprKeyValue::Type::Date;
      const double day = std::trunc(value.asNumber());
      key.day = day >= -9.2e18 && day <= 9.2e18 ? static_cast<std::int64_t>(day) : 0;
      break;
    }
    case ExprKind::Boolean:
      key.type = ExprKeyValue::Type::Logical;
      key.logical = value.asBoolean();
      break;
    default:
      key.type = ExprKeyValue::Type::Number;
      key.number = value.asNumber();
  }
}

std::string ExprHandler::getText() const {
  std::string text;
  expr_detail::appendExpressionText(state_->tree.root, text);
  return text;
}

std::string ExprHandler::listNames(int classId) const {
  std::string names;
  expr_detail::collectNames(state_->tree.root, classId, names);
  return names;
}

int ExprHandler::operandCount() const { return state_->tree.operandCount; }
int ExprHandler::maxWidth() const { return state_->tree.maxWidth; }
int ExprHandler::maxDecimals() const { return state_->tree.maxDecimals; }

const expr_detail::Node* ExprHandler::root() const { return state_->tree.root; }

}  // namespace kestrin::dbf
