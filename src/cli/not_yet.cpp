// Commands whose subsystems are still being built.
#include <stdexcept>

#include "cli/command.h"

namespace kestrin::cli {

int runEval(const Args&, std::ostream&) { throw std::runtime_error("eval is not supported yet"); }

}  // namespace kestrin::cli
