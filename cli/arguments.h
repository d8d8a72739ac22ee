#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quarvel::cli {

// The command word and its options as written: "--name VALUE" or "--name=VALUE". In the first
// form the value may not begin with "-"; the "=" form takes any value, the empty one too.
struct Arguments {
    std::string command;
    std::vector<std::pair<std::string, std::string>> options;
    bool help = false;
    bool json = false;
};

// Throws UsageError for stray words and options without a value.
Arguments ParseArguments(int argc, const char* const argv[]);

// True when the command line asks for JSON, so that even a usage error can answer in it.
bool AsksForJson(int argc, const char* const argv[]);

// Throws UsageError for an option the command does not take or one given twice.
void CheckOptionNames(const Arguments& arguments, std::initializer_list<std::string_view> allowed);

std::optional<std::string_view> FindOption(const Arguments& arguments, std::string_view name);

// Throws UsageError when the option is missing.
std::string_view RequireOption(const Arguments& arguments, std::string_view name);

}  // namespace quarvel::cli
