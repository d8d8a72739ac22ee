// quarvel-form-shot: shows the calculator form in a frame window and saves a
// picture of the window. On the offscreen platform it renders without a display;
// under an X server (Xvfb) the window is really shown, and --hold keeps it up so
// that the screen can be captured from outside.
//
//   quarvel-form-shot OUTPUT.png [--calculate] [--hold SECONDS]
//
// --calculate clicks "Calculate CDV" first, so the result fields are filled.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "form/quarvel_view.h"
#include "framework/create_context.h"
#include "framework/frame_wnd.h"
#include "res/resources.h"

namespace {

void Settle(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    } while (timer.elapsed() < milliseconds);
}

int Usage() {
    std::fprintf(stderr, "usage: quarvel-form-shot OUTPUT.png [--calculate] [--hold SECONDS]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quarvel");
    std::string output;
    bool calculate = false;
    int holdSeconds = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--calculate") {
            calculate = true;
        } else if (arg == "--hold" && i + 1 < argc) {
            holdSeconds = std::atoi(argv[++i]);
        } else if (!arg.empty() && arg[0] != '-' && output.empty()) {
            output = arg;
        } else {
            return Usage();
        }
    }
    if (output.empty()) {
        return Usage();
    }

    AfxSetResources(QuarvelResources());
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CQuarvelView);
    // A generous window, so that the view's first update shrinks it to fit the form.
    auto* frame = new CFrameWnd;
    if (!frame->Create(nullptr, "Quarvel", WS_OVERLAPPEDWINDOW, RECT{40, 40, 840, 740}, nullptr,
                       nullptr, 0, &context)) {
        std::fprintf(stderr, "quarvel-form-shot: the window could not be created\n");
        return 1;
    }
    frame->InitialUpdateFrame(nullptr, TRUE);
    Settle(300);

    if (calculate) {
        if (CWnd* view = frame->GetActiveView()) {
            if (CWnd* button = view->GetDlgItem(IDC_BUTTON_CALC_CDV)) {
                if (auto* widget = qobject_cast<QAbstractButton*>(button->m_hWnd)) {
                    widget->click();
                }
            }
        }
        Settle(100);
    }

    const QPixmap picture = frame->m_hWnd->grab();
    if (!picture.save(QString::fromStdString(output), "PNG")) {
        std::fprintf(stderr, "quarvel-form-shot: cannot write %s\n", output.c_str());
        return 1;
    }
    std::printf("%s: %dx%d\n", output.c_str(), picture.width(), picture.height());
    if (holdSeconds > 0) {
        Settle(holdSeconds * 1000);
    }
    frame->DestroyWindow();
    return 0;
}
