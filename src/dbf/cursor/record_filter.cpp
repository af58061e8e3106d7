#include "dbf/cursor/record_filter.h"

namespace kestrin::dbf {
namespace {
FilterCompiler* gCompiler = nullptr;
}

FilterCompiler* defaultFilterCompiler() { return gCompiler; }
void setDefaultFilterCompiler(FilterCompiler* compiler) { gCompiler = compiler; }

}  // namespace kestrin::dbf
