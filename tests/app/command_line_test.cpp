// How the application reads its command line: one row per argument list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/app.h"
#include "framework/command_line_info.h"

namespace {

using Cmd = CCommandLineInfo::ShellCommand;

struct ParseCase {
    std::vector<std::string> args;
    Cmd command;
    std::string file;
    std::string printer = "";
    std::string driver = "";
    std::string port = "";
    bool embedded = false;
    bool automated = false;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << "quarvel";
    for (const auto& a : c.args) {
        *os << " [" << a << "]";
    }
}

class ParseCommandLine : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseCommandLine, GivesCommandFileAndPrinter) {
    const ParseCase& c = GetParam();
    std::vector<std::string> storage = {"quarvel"};
    storage.insert(storage.end(), c.args.begin(), c.args.end());
    std::vector<char*> argv;
    for (auto& s : storage) {
        argv.push_back(s.data());
    }
    argv.push_back(nullptr);

    CWinApp app("Quarvel");
    app.m_argc = static_cast<int>(storage.size());
    app.m_argv = argv.data();
    CCommandLineInfo info;
    app.ParseCommandLine(info);

    EXPECT_EQ(info.m_nShellCommand, c.command);
    EXPECT_EQ(info.m_strFileName.str(), c.file);
    EXPECT_EQ(info.m_strPrinterName.str(), c.printer);
    EXPECT_EQ(info.m_strDriverName.str(), c.driver);
    EXPECT_EQ(info.m_strPortName.str(), c.port);
    EXPECT_EQ(info.m_bRunEmbedded != FALSE, c.embedded);
    EXPECT_EQ(info.m_bRunAutomated != FALSE, c.automated);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseCommandLine,
    ::testing::Values(
        // Nothing, or only switches that mean nothing here.
        ParseCase{{}, Cmd::FileNew, ""}, ParseCase{{"-x"}, Cmd::FileNew, ""},
        ParseCase{{"/x", "-"}, Cmd::FileNew, ""},
        ParseCase{{"/Embedding"}, Cmd::FileNew, "", "", "", "", true},
        ParseCase{{"-AUTOMATION"}, Cmd::FileNew, "", "", "", "", false, true},
        // A file opens; a second one is ignored.
        ParseCase{{"a.txt"}, Cmd::FileOpen, "a.txt"},
        ParseCase{{"a.txt", "b.txt"}, Cmd::FileOpen, "a.txt"},
        // Paths start with "/" too: a further "/" makes the argument a path.
        ParseCase{{"/home/me/a.txt"}, Cmd::FileOpen, "/home/me/a.txt"},
        ParseCase{{"/p", "/tmp/x y.txt"}, Cmd::FilePrint, "/tmp/x y.txt"},
        // Print: "p" in small letters only, with either mark, before or after the file.
        ParseCase{{"/p", "a.txt"}, Cmd::FilePrint, "a.txt"},
        ParseCase{{"-p", "a.txt"}, Cmd::FilePrint, "a.txt"},
        ParseCase{{"a.txt", "/p"}, Cmd::FilePrint, "a.txt"},
        ParseCase{{"/P", "a.txt"}, Cmd::FileOpen, "a.txt"}, ParseCase{{"/p"}, Cmd::FilePrint, ""},
        ParseCase{{"/p", "a.txt", "prn"}, Cmd::FilePrint, "a.txt"},
        // Print to: file, printer, driver, port, and nothing more.
        ParseCase{{"/pt", "a.txt", "prn", "drv", "port"},
                  Cmd::FilePrintTo,
                  "a.txt",
                  "prn",
                  "drv",
                  "port"},
        ParseCase{{"/pt", "a.txt", "prn", "drv", "port", "more"},
                  Cmd::FilePrintTo,
                  "a.txt",
                  "prn",
                  "drv",
                  "port"},
        ParseCase{{"/pt", "a.txt", "prn"}, Cmd::FilePrintTo, "a.txt", "prn"},
        // Names before the print-to switch are not the printer's.
        ParseCase{{"a.txt", "early", "/pt", "prn"}, Cmd::FilePrintTo, "a.txt", "prn"},
        ParseCase{{"/PT", "a.txt", "prn"}, Cmd::FileOpen, "a.txt"},
        ParseCase{{"/dde"}, Cmd::FileDDE, ""}, ParseCase{{"/DDE"}, Cmd::FileNew, ""},
        // Unregister in any letter case; a file alongside opens nothing.
        ParseCase{{"/Unregister"}, Cmd::AppUnregister, ""},
        ParseCase{{"-unregserver"}, Cmd::AppUnregister, ""},
        ParseCase{{"a.txt", "/uNrEgIsTeR"}, Cmd::AppUnregister, "a.txt"},
        ParseCase{{"/UNREGSERVER", "/embedding"}, Cmd::AppUnregister, "", "", "", "", true},
        // The last command named wins.
        ParseCase{{"/p", "a.txt", "/Unregister"}, Cmd::AppUnregister, "a.txt"},
        ParseCase{{"/Unregister", "/p", "a.txt"}, Cmd::FilePrint, "a.txt"},
        ParseCase{{"/pt", "/p", "a.txt", "prn"}, Cmd::FilePrint, "a.txt"}));

}  // namespace
