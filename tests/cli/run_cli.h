#pragma once

#include <string>
#include <vector>

// One run of quarvel-calc with everything it gave back.
struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built quarvel-calc with these arguments (no shell in between).
CliRun RunCli(const std::vector<std::string>& arguments);

// The same arguments as one shell-like line, for failure messages.
std::string CommandLine(const std::vector<std::string>& arguments);
