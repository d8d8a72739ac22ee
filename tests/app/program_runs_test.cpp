// The real program, started as its own process on the offscreen platform with its
// settings in a temporary folder. QUARVEL_TEST_AUTOCLOSE makes it close each box and
// then its main window as their close boxes would, reporting each on standard error.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <optional>

#include "profile_env.h"

namespace {

struct ProgramRun {
    int exitCode = -1;
    QStringList boxes;              // "<title>: <text>" of each box, in order
    std::optional<QString> window;  // "<title> shown|hidden" of the main window, if any
    QString errors;                 // all of standard error
};

ProgramRun RunQuarvel(const QStringList& args, const ScopedConfigHome& home,
                      const QString& workDir) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", home.Path());
    env.insert("QUARVEL_TEST_AUTOCLOSE", "1");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workDir);
    process.start(QUARVEL_PROGRAM, args);
    ProgramRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "quarvel did not end: " << args.join(' ').toStdString();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.errors = QString::fromUtf8(process.readAllStandardError());
    static const QRegularExpression box(R"re(^autoclose: box "(.*)" "(.*)"$)re");
    static const QRegularExpression window(R"re(^autoclose: window "(.*)" (shown|hidden)$)re");
    for (const QString& line : run.errors.split('\n')) {
        if (auto m = box.match(line); m.hasMatch()) {
            run.boxes << m.captured(1) + ": " + m.captured(2);
        } else if (auto w = window.match(line); w.hasMatch()) {
            run.window = w.captured(1) + " " + w.captured(2);
        }
    }
    return run;
}

QString RecentFile(const ScopedConfigHome& home, int number) {
    QSettings stored(home.SettingsFile(), QSettings::IniFormat);
    return stored.value(QString("Recent File List/File%1").arg(number)).toString();
}

class Program : public ::testing::Test {
protected:
    QString MakeFile(const QString& name) const {
        QFile file(m_files.path() + "/" + name);
        file.open(QIODevice::WriteOnly);
        file.write("not a calculator file\n");
        return file.fileName();
    }
    ProgramRun Run(const QStringList& args) const {
        return RunQuarvel(args, m_home, m_files.path());
    }

    ScopedConfigHome m_home;
    QTemporaryDir m_files;
};

// What the command line makes of the program: the main window it shows (or none),
// the boxes it shows, and the first recent file it leaves in the settings.
struct OutcomeCase {
    QStringList args;  // "FILE" and "OTHER" stand for existing files, "MISSING" for none
    std::optional<QString> window;
    QStringList boxStarts;  // each box's "<title>: <text>" begins so
    QString recent;         // File1 after the run: a file's placeholder or empty
    bool printRun = false;  // a print: whatever printing says, but no window ever
};

void PrintTo(const OutcomeCase& c, std::ostream* os) {
    *os << "quarvel " << c.args.join(' ').toStdString();
}

class CommandLineOutcome : public Program, public ::testing::WithParamInterface<OutcomeCase> {};

TEST_P(CommandLineOutcome, OfTheRealProgram) {
    const OutcomeCase& c = GetParam();
    const QString file = MakeFile("Calc File.txt");
    const QString other = MakeFile("other.txt");
    const QString missing = m_files.path() + "/missing.txt";
    auto expand = [&](QString s) {
        return s.replace("FILE", file).replace("OTHER", other).replace("MISSING", missing);
    };
    QStringList args;
    for (const QString& a : c.args) {
        args << expand(a);
    }
    const ProgramRun run = Run(args);
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.window, c.window) << run.errors.toStdString();
    if (!c.printRun) {
        ASSERT_EQ(run.boxes.size(), c.boxStarts.size()) << run.errors.toStdString();
        for (qsizetype i = 0; i < c.boxStarts.size(); ++i) {
            EXPECT_TRUE(run.boxes[i].startsWith(expand(c.boxStarts[i])))
                << run.boxes[i].toStdString();
        }
    } else {
        for (const QString& shown : run.boxes) {
            EXPECT_FALSE(shown.contains("not found")) << shown.toStdString();
        }
    }
    EXPECT_EQ(RecentFile(m_home, 1), expand(c.recent));
}

const QString kUntitled = "Untitled - Quarvel shown";
const QString kOpened = "Calc File.txt - Quarvel shown";
const QString kUnregistered =
    "Quarvel: System registry entries have been removed and the INI file (if any) was deleted.";

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandLineOutcome,
    ::testing::Values(
        OutcomeCase{{}, kUntitled, {}, ""}, OutcomeCase{{"-x", "/Automation"}, kUntitled, {}, ""},
        OutcomeCase{{"/Embedding"}, kUntitled, {}, ""}, OutcomeCase{{"/dde"}, kUntitled, {}, ""},
        OutcomeCase{{"FILE"}, kOpened, {}, "FILE"},
        OutcomeCase{{"FILE", "OTHER"}, kOpened, {}, "FILE"},
        OutcomeCase{{"/P", "FILE"}, kOpened, {}, "FILE"},
        OutcomeCase{{"MISSING"}, std::nullopt, {"Quarvel: MISSING was not found."}, ""},
        OutcomeCase{{"/p", "FILE"}, std::nullopt, {}, "FILE", true},
        OutcomeCase{{"-p", "FILE"}, std::nullopt, {}, "FILE", true},
        OutcomeCase{{"FILE", "/p"}, std::nullopt, {}, "FILE", true},
        OutcomeCase{{"/pt", "FILE", "Printer", "Driver", "Port"}, std::nullopt, {}, "FILE", true},
        OutcomeCase{{"/p", "MISSING"}, std::nullopt, {"Quarvel: MISSING was not found."}, ""},
        OutcomeCase{{"/p"}, std::nullopt, {"Quarvel: Failed to open document."}, ""},
        OutcomeCase{{"/Unregister", "FILE"}, std::nullopt, {kUnregistered}, ""},
        OutcomeCase{{"-unregserver", "/EMBEDDING"}, std::nullopt, {}, ""}));

TEST_F(Program, AFileOpenedInOneRunStaysAtTheTopOfTheRecentFilesInTheNext) {
    const QString first = MakeFile("first.txt");
    const QString second = MakeFile("second.txt");
    EXPECT_EQ(Run({first}).window, "first.txt - Quarvel shown");
    EXPECT_EQ(RecentFile(m_home, 1), first);

    // A run that opens nothing reads the list and writes it back as it was.
    EXPECT_EQ(Run({}).window, kUntitled);
    EXPECT_EQ(RecentFile(m_home, 1), first);

    EXPECT_EQ(Run({second}).window, "second.txt - Quarvel shown");
    EXPECT_EQ(RecentFile(m_home, 1), second);
    EXPECT_EQ(RecentFile(m_home, 2), first);
}

TEST_F(Program, AfterAnUnregisterRunNoSettingsRemain) {
    Run({MakeFile("a.txt")});
    ASSERT_TRUE(QFileInfo::exists(m_home.SettingsFile()));
    const ProgramRun run = Run({"/Unregister"});
    EXPECT_EQ(run.boxes, QStringList{kUnregistered});
    EXPECT_FALSE(run.window.has_value());
    EXPECT_FALSE(QFileInfo::exists(m_home.SettingsFile()));
    EXPECT_FALSE(QFileInfo::exists(m_home.OrganisationFolder()));
}

TEST_F(Program, DamagedOrUnreadableSettingsStillStartTheProgram) {
    m_home.WriteSettings("\x01\x02\xff\xfe[[[\n=\n[Settings]\nPreviewPages=@@\n");
    ProgramRun run = Run({});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.window, kUntitled);

    QFile::remove(m_home.SettingsFile());
    QDir().mkpath(m_home.SettingsFile());  // a folder where the file should be
    run = Run({MakeFile("a.txt")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.window, "a.txt - Quarvel shown");
    EXPECT_TRUE(QFileInfo(m_home.SettingsFile()).isDir());
}

}  // namespace
