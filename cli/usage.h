#pragma once

#include <string_view>

namespace quarvel::cli {

// The command synopsis, shown after a usage error.
std::string_view UsageText();

// The synopsis with every option and rule explained, for --help.
std::string_view HelpText();

}  // namespace quarvel::cli
