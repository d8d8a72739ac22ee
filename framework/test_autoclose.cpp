#include "framework/test_autoclose.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "framework/app.h"

namespace {

void Report(const char* kind, const QString& title, const QString& detail) {
    std::fprintf(stderr, "autoclose: %s \"%s\" %s\n", kind, title.toUtf8().constData(),
                 detail.toUtf8().constData());
    std::fflush(stderr);
}

}  // namespace

void AfxStartTestAutoClose() {
    if (qEnvironmentVariableIsEmpty("QUARVEL_TEST_AUTOCLOSE")) {
        return;
    }
    auto* timer = new QTimer(qApp);
    // Timers run only inside an event loop: a modal box's, or the program's own.
    QObject::connect(timer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            const auto* box = qobject_cast<QMessageBox*>(modal);
            Report("box", modal->windowTitle(), "\"" + (box != nullptr ? box->text() : "") + "\"");
            modal->close();
            return;
        }
        static bool mainClosed = false;
        CWnd* main = AfxGetMainWnd();
        if (!mainClosed && main != nullptr && main->m_hWnd != nullptr) {
            mainClosed = true;
            Report("window", main->m_hWnd->windowTitle(),
                   main->m_hWnd->isVisible() ? "shown" : "hidden");
            main->m_hWnd->close();
        }
    });
    timer->start(20);
}
