#include "qt_app.h"

#include "test_printer_server.h"

void QtAppEnvironment::SetUp() {
    // The print queue's scheduler must be known before Qt first asks for printers.
    TestPrinterServer::Instance();
    if (QApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "quarvel_files_tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Quarvel"));
    }
}
