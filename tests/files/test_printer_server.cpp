#include "test_printer_server.h"

#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

constexpr const char* kPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd";
constexpr const char* kBackend = "/usr/lib/cups/backend/cups-pdf";
// The PDF backend reads its settings from the system's CUPS folder, one file per
// queue URI; the tests' file names carry the process id.
constexpr const char* kBackendConfigFolder = "/etc/cups";

bool WriteText(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    return file.write(text.toUtf8()) >= 0;
}

QString FindProgram(const char* name) {
    for (const char* folder : {"/usr/sbin", "/usr/bin", "/sbin", "/bin"}) {
        const QString path = QString::fromLatin1(folder) + QLatin1Char('/') + QLatin1String(name);
        if (QFileInfo(path).isExecutable()) {
            return path;
        }
    }
    return {};
}

}  // namespace

TestPrinterServer& TestPrinterServer::Instance() {
    static TestPrinterServer server;
    return server;
}

TestPrinterServer::TestPrinterServer() {
    m_available = Start();
}

TestPrinterServer::~TestPrinterServer() {
    if (m_pid > 0) {
        ::kill(static_cast<pid_t>(m_pid), SIGTERM);
        ::waitpid(static_cast<pid_t>(m_pid), nullptr, 0);
    }
    if (!m_configName.isEmpty()) {
        QFile::remove(m_configName);
    }
    if (!m_dir.isEmpty()) {
        QDir(m_dir).removeRecursively();
    }
}

std::string TestPrinterServer::Run(const QStringList& command, int* exitCode) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(command.first(), command.mid(1));
    process.waitForFinished(30000);
    if (exitCode != nullptr) {
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    return process.readAll().toStdString();
}

bool TestPrinterServer::Start() {
    const QString cupsd = FindProgram("cupsd");
    if (cupsd.isEmpty() || FindProgram("lpadmin").isEmpty() || !QFileInfo::exists(kBackend) ||
        !QFileInfo::exists(kPpd)) {
        m_why = "CUPS with the PDF printer driver is not installed (cups, printer-driver-cups-pdf)";
        return false;
    }
    const QString pid = QString::number(::getpid());
    // Settings left by test programs that were killed before they could clean up.
    const QDir configFolder(QString::fromLatin1(kBackendConfigFolder));
    for (const QString& name : configFolder.entryList({"cups-pdf-quarvel-test-*.conf"})) {
        const QString owner = name.section('-', 4).section('.', 0, 0);
        if (::kill(static_cast<pid_t>(owner.toLongLong()), 0) != 0 && errno == ESRCH) {
            QFile::remove(configFolder.filePath(name));
        }
    }
    m_configName =
        QString::fromLatin1(kBackendConfigFolder) + "/cups-pdf-quarvel-test-" + pid + ".conf";
    char pattern[] = "/tmp/quarvel-cups-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) {
        m_why = "no temporary folder";
        return false;
    }
    m_dir = QString::fromLatin1(pattern);
    // The scheduler's helpers run as another user and must reach these folders.
    QFile::setPermissions(m_dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                     QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                     QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                     QFileDevice::ExeOther);
    QDir dir(m_dir);
    for (const char* sub : {"spool", "cache", "state", "log", "ppd"}) {
        dir.mkdir(sub);
    }
    for (const char* open : {"tmp", "out"}) {
        dir.mkdir(open);
        ::chmod(QFile::encodeName(dir.filePath(open)).constData(), 01777);
    }
    const QString socket = dir.filePath("cups.sock");
    bool written =
        WriteText(dir.filePath("cupsd.conf"),
                  "Listen " + socket +
                      "\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                      "DefaultAuthType None\nMaxJobs 0\nPreserveJobHistory Yes\n"
                      "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                      "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n");
    written =
        written &&
        WriteText(dir.filePath("cups-files.conf"),
                  "ServerRoot " + m_dir + "\nRequestRoot " + dir.filePath("spool") + "\nCacheDir " +
                      dir.filePath("cache") + "\nStateDir " + dir.filePath("state") + "\nTempDir " +
                      dir.filePath("tmp") + "\nAccessLog " + dir.filePath("log/access_log") +
                      "\nErrorLog " + dir.filePath("log/error_log") + "\nPageLog " +
                      dir.filePath("log/page_log") + "\nSandboxing Relaxed\n");
    written = written &&
              WriteText(m_configName, "Out " + dir.filePath("out") + "\nAnonDirName " +
                                          dir.filePath("out") + "\nSpool " + dir.filePath("tmp") +
                                          "\nLog " + dir.filePath("log") + "\nUserPrefix\n");
    if (!written) {
        m_why = "cannot write the scheduler's settings (the PDF printer's go to " +
                std::string(kBackendConfigFolder) + ", which needs root)";
        return false;
    }
    ::setenv("CUPS_SERVER", QFile::encodeName(socket).constData(), 1);

    const pid_t child = ::fork();
    if (child == 0) {
        // The scheduler goes with the test program, however that ends.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        const QByteArray program = QFile::encodeName(cupsd);
        const QByteArray conf = QFile::encodeName(dir.filePath("cupsd.conf"));
        const QByteArray files = QFile::encodeName(dir.filePath("cups-files.conf"));
        ::execl(program.constData(), program.constData(), "-f", "-c", conf.constData(), "-s",
                files.constData(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    if (child < 0) {
        m_why = "cannot start cupsd";
        return false;
    }
    m_pid = child;
    for (int tries = 0; tries < 200; ++tries) {
        int code = 0;
        Run({"lpstat", "-r"}, &code);
        if (code == 0 && QFileInfo::exists(socket)) {
            if (AddPrinter("QuarvelPDF", true)) {
                return true;
            }
            m_why = "cannot add the PDF printer queue";
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    m_why = "cupsd did not start";
    return false;
}

bool TestPrinterServer::AddPrinter(const QString& name, bool makeDefault) {
    int code = 0;
    Run({"lpadmin", "-p", name, "-E", "-v", "cups-pdf:/quarvel-test-" + QString::number(::getpid()),
         "-P", kPpd},
        &code);
    if (code != 0) {
        return false;
    }
    if (makeDefault) {
        Run({"lpadmin", "-d", name}, &code);
    }
    return code == 0;
}

bool TestPrinterServer::RemovePrinter(const QString& name) {
    int code = 0;
    Run({"lpadmin", "-x", name}, &code);
    return code == 0;
}

int TestPrinterServer::JobCount() const {
    return static_cast<int>(JobNames().size());
}

QStringList TestPrinterServer::JobNames() const {
    // Job name and printer of every job, finished or not.
    const QString listing = QString::fromStdString(Run({"lpstat", "-W", "all", "-l", "-o"}));
    QStringList names;
    for (const QString& line : listing.split('\n')) {
        if (!line.isEmpty() && !line.at(0).isSpace()) {
            names << line.section(' ', 0, 0);
        }
    }
    return names;
}

QStringList TestPrinterServer::FinishedPdfs() const {
    const QDir out(QDir(m_dir).filePath("out"));
    for (int tries = 0; tries < 1200; ++tries) {
        const bool pending = !QString::fromStdString(Run({"lpstat", "-W", "not-completed", "-o"}))
                                  .trimmed()
                                  .isEmpty();
        if (!pending) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    QStringList files;
    for (const QString& name : out.entryList({"*.pdf"}, QDir::Files, QDir::Name)) {
        files << out.filePath(name);
    }
    return files;
}

void TestPrinterServer::ClearOutput() const {
    const QDir out(QDir(m_dir).filePath("out"));
    for (const QString& name : out.entryList(QDir::Files)) {
        QFile::remove(out.filePath(name));
    }
}
