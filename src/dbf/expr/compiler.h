// Compiles an expression text into a tree: tokens, nodes, then the tree built
// by operator priority.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "dbf/expr/nodes.h"

namespace kestrin::dbf::expr_detail {

// Parentheses, function calls and negations inside an expression may nest
// this deep; deeper texts are refused rather than risk the stack.
inline constexpr int kMaxNesting = 100;

struct ExprTree {
  std::vector<std::unique_ptr<Node>> nodes;  // every node of the tree
  Node* root = nullptr;
  int operandCount = 0;
  int maxWidth = 0;
  int maxDecimals = 0;
};

struct CompileOptions {
  bool caseInsensitive = false;
  bool partialCompare = true;
};

// Replaces `tree` by the compiled text; an empty (or blank) text leaves no
// root. On an error the tree is left empty and EDbfExpression is thrown.
void compileExpression(std::string_view text, EvalEnv& env, CompileOptions options, ExprTree& tree);

}  // namespace kestrin::dbf::expr_detail
