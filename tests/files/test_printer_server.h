// A private print scheduler for the tests: cupsd on a socket in a temporary folder,
// with a PDF printer queue whose pages land as PDF files in a folder of its own. The
// program's printing reaches it as it would reach any CUPS server (CUPS_SERVER).
// Started once per test program; stopped when the program ends.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

class TestPrinterServer {
public:
    static TestPrinterServer& Instance();
    ~TestPrinterServer();
    TestPrinterServer(const TestPrinterServer&) = delete;
    TestPrinterServer& operator=(const TestPrinterServer&) = delete;

    // FALSE when this machine has no CUPS or no PDF printer driver; why() says which.
    bool available() const { return m_available; }
    const std::string& why() const { return m_why; }

    // Adds a PDF printer queue; the first one added is the default printer.
    bool AddPrinter(const QString& name, bool makeDefault);
    bool RemovePrinter(const QString& name);
    // Every job the scheduler has seen, in any state.
    int JobCount() const;
    // Waits until no job is pending and the PDFs of finished jobs are written; the
    // PDF files in the output folder then.
    QStringList FinishedPdfs() const;
    // The job name and the printer of the jobs seen ("name@printer").
    QStringList JobNames() const;
    void ClearOutput() const;

private:
    TestPrinterServer();
    bool Start();
    static std::string Run(const QStringList& command, int* exitCode = nullptr);

    bool m_available = false;
    std::string m_why;
    QString m_dir;
    QString m_configName;
    long long m_pid = -1;
};
