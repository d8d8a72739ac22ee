#pragma once

#include "cli/arguments.h"
#include "cli/console.h"

namespace quarvel::cli {

// Each command checks its own options (throwing UsageError), prints its answer and says how the
// process should exit.
ExitCode RunCdvCommand(const Arguments& arguments);
ExitCode RunBaudCommand(const Arguments& arguments);
ExitCode RunTableCommand(const Arguments& arguments);
ExitCode RunDecodeCommand(const Arguments& arguments);

}  // namespace quarvel::cli
