// The program's command-line print requests, run as a person's shell would run them,
// against the tests' print queue: the file opens, one blank page prints, and the
// program ends without having shown its window.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "pdf_check.h"
#include "qt_app.h"
#include "test_printer_server.h"

namespace {

#ifdef QUARVEL_PROGRAM

struct ProgramRun {
    int exitCode = -1;
    bool finished = false;
};

ProgramRun RunProgram(const QStringList& arguments, const QTemporaryDir& home) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUARVEL_PROGRAM), arguments);
    ProgramRun run;
    run.finished = program.waitForFinished(60000);
    if (!run.finished) {
        program.kill();
        program.waitForFinished();
    }
    run.exitCode = program.exitCode();
    return run;
}

class ProgramPrinting : public ::testing::Test {
protected:
    void SetUp() override {
        TestPrinterServer& server = TestPrinterServer::Instance();
        if (!server.available()) {
            GTEST_SKIP() << server.why();
        }
        server.ClearOutput();
        m_file = m_home.filePath("settings.qvl");
        QFile file(m_file);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("whatever the file holds is never read\n");
    }

    QTemporaryDir m_home;
    QString m_file;
};

TEST_F(ProgramPrinting, PrintSwitchPrintsOneBlankPageOnTheDefaultPrinterAndEnds) {
    const ProgramRun run = RunProgram({"/p", m_file}, m_home);
    ASSERT_TRUE(run.finished);
    const QStringList pdfs = TestPrinterServer::Instance().FinishedPdfs();
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_EQ(PdfPageCount(pdfs.first()), 1);
    EXPECT_TRUE(PdfIsBlank(pdfs.first()));
    EXPECT_TRUE(QFileInfo(pdfs.first()).fileName().startsWith("settings"))
        << pdfs.first().toStdString();
    // QUARVEL_SAMPLE_DIR, when set, keeps the printed page for people to look at.
    if (const QByteArray keep = qgetenv("QUARVEL_SAMPLE_DIR"); !keep.isEmpty()) {
        const QString sample = QString::fromLocal8Bit(keep) + "/printed-page.pdf";
        QFile::remove(sample);
        QFile::copy(pdfs.first(), sample);
    }
    const QStringList jobs = TestPrinterServer::Instance().JobNames();
    ASSERT_FALSE(jobs.isEmpty());
    EXPECT_TRUE(jobs.last().startsWith("QuarvelPDF-")) << jobs.join(' ').toStdString();
}

TEST_F(ProgramPrinting, PrintToSwitchPrintsOnTheNamedPrinter) {
    TestPrinterServer& server = TestPrinterServer::Instance();
    ASSERT_TRUE(server.AddPrinter("QuarvelPDF2", false));
    const ProgramRun run = RunProgram({"-pt", m_file, "QuarvelPDF2", "driver", "port"}, m_home);
    ASSERT_TRUE(run.finished);
    const QStringList pdfs = server.FinishedPdfs();
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_EQ(PdfPageCount(pdfs.first()), 1);
    const QStringList jobs = server.JobNames();
    ASSERT_FALSE(jobs.isEmpty());
    EXPECT_TRUE(jobs.last().startsWith("QuarvelPDF2-")) << jobs.join(' ').toStdString();
    server.RemovePrinter("QuarvelPDF2");
}

TEST_F(ProgramPrinting, AFileThatCannotBeOpenedPrintsNothing) {
    // Nobody answers the message box of the failed open, so the program is ended by
    // the wait; what counts is that no job was made.
    const int jobsBefore = TestPrinterServer::Instance().JobCount();
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("HOME", m_home.path());
    environment.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUARVEL_PROGRAM), {"/p", m_home.filePath("missing")});
    program.waitForFinished(3000);
    program.kill();
    program.waitForFinished();
    EXPECT_EQ(TestPrinterServer::Instance().JobCount(), jobsBefore);
    EXPECT_TRUE(TestPrinterServer::Instance().FinishedPdfs().isEmpty());
}

#endif

}  // namespace
