#pragma once

#include <stdexcept>
#include <string>

namespace quarvel::cli {

// A command line that cannot be carried out; main reports the reason with the usage and exits 2.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& reason) : std::runtime_error(reason) {}
};

}  // namespace quarvel::cli
