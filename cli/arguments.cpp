#include "cli/arguments.h"

#include <algorithm>

#include "cli/usage_error.h"

namespace quarvel::cli {
namespace {

bool IsFlag(std::string_view name) {
    return name == "help" || name == "json";
}

}  // namespace

Arguments ParseArguments(int argc, const char* const argv[]) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "-h" || word == "--help") {
            arguments.help = true;
            continue;
        }
        if (!word.starts_with("--")) {
            if (arguments.command.empty() && arguments.options.empty() && !word.starts_with("-")) {
                arguments.command = word;
                continue;
            }
            throw UsageError("unexpected argument \"" + std::string(word) + "\"");
        }

        const std::string_view body = word.substr(2);
        const std::size_t equals = body.find('=');
        const std::string name(body.substr(0, equals));
        if (name.empty()) throw UsageError("unexpected argument \"" + std::string(word) + "\"");

        if (IsFlag(name)) {
            if (equals != std::string_view::npos) {
                throw UsageError("option --" + name + " takes no value");
            }
            (name == "help" ? arguments.help : arguments.json) = true;
            continue;
        }
        if (equals != std::string_view::npos) {
            arguments.options.emplace_back(name, body.substr(equals + 1));
            continue;
        }
        if (i + 1 >= argc || std::string_view(argv[i + 1]).starts_with("-")) {
            throw UsageError("option --" + name + " needs a value (write --" + name +
                             "=VALUE for a value that begins with \"-\" or is empty)");
        }
        arguments.options.emplace_back(name, argv[++i]);
    }
    return arguments;
}

bool AsksForJson(int argc, const char* const argv[]) {
    return std::any_of(argv + 1, argv + argc,
                       [](const char* word) { return std::string_view(word) == "--json"; });
}

void CheckOptionNames(const Arguments& arguments, std::initializer_list<std::string_view> allowed) {
    for (auto it = arguments.options.begin(); it != arguments.options.end(); ++it) {
        const std::string& name = it->first;
        if (std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
            throw UsageError("the " + arguments.command + " command takes no option --" + name);
        }
        const auto same = [&name](const auto& option) { return option.first == name; };
        if (std::find_if(arguments.options.begin(), it, same) != it) {
            throw UsageError("option --" + name + " is given twice");
        }
    }
}

std::optional<std::string_view> FindOption(const Arguments& arguments, std::string_view name) {
    for (const auto& [optionName, value] : arguments.options) {
        if (optionName == name) return value;
    }
    return std::nullopt;
}

std::string_view RequireOption(const Arguments& arguments, std::string_view name) {
    if (const auto value = FindOption(arguments, name)) return *value;
    throw UsageError("the " + arguments.command + " command needs --" + std::string(name));
}

}  // namespace quarvel::cli
