// quarvel-app-shots FOLDER: pictures of the real application for the README, made without a
// display (run it with QT_QPA_PLATFORM=offscreen):
//   rate-tip.png     the main window after "Calculate CDV" with TCLK and 115200 baud, with the
//                    CDV field's rate tip showing
//   error-box.png    the box that "Calculate CDV" shows for "OTHER" with a rate of 0, over the
//                    main window
// The application starts in this process as the program starts it; its settings go to a
// temporary folder.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QToolTip>
#include <cstdio>

#include "form/quarvel_view.h"
#include "framework/frame_wnd.h"
#include "res/resources.h"
#include "shell/quarvel_app.h"

namespace {

constexpr int kTclk = 1;
constexpr int kOtherBaud = 10;

void Settle(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    } while (timer.elapsed() < milliseconds);
}

CQuarvelView* View() {
    auto* frame = dynamic_cast<CFrameWnd*>(theApp.m_pMainWnd);
    return frame != nullptr ? dynamic_cast<CQuarvelView*>(frame->GetActiveView()) : nullptr;
}

QWidget* Control(int id) {
    return View()->GetDlgItem(id)->m_hWnd;
}

// The user's pick from the dropped-down list.
void Pick(int comboId, int index) {
    auto* combo = qobject_cast<QComboBox*>(Control(comboId));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void Click(int id) {
    qobject_cast<QAbstractButton*>(Control(id))->click();
}

bool Save(const QPixmap& picture, const QDir& folder, const char* name) {
    const QString path = folder.filePath(name);
    if (!picture.save(path, "PNG")) {
        std::fprintf(stderr, "quarvel-app-shots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s: %dx%d\n", qPrintable(path), picture.width(), picture.height());
    return true;
}

// The offscreen platform draws no window decorations; the box gets a plain caption bar with its
// title, so that the picture shows what the title says.
QPixmap WithCaption(QWidget* window) {
    const QPixmap content = window->grab();
    const int captionHeight = window->fontMetrics().height() + 10;
    QPixmap picture(content.width() + 2, content.height() + captionHeight + 1);
    picture.fill(QColor(60, 60, 60));
    QPainter painter(&picture);
    painter.fillRect(1, 1, content.width(), captionHeight - 1, QColor(48, 80, 130));
    QFont bold = window->font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::white);
    painter.drawText(QRect(8, 1, content.width() - 8, captionHeight - 1), Qt::AlignVCenter,
                     window->windowTitle());
    painter.drawPixmap(1, captionHeight, content);
    return picture;
}

// The main window, and the tip of a field as it shows below the pointer resting on the field;
// the tip may reach past the window, as on a desktop.
QPixmap WithTip(QWidget* window, QWidget* field) {
    const QPoint at = field->mapToGlobal(QPoint(field->width() / 2, field->height() / 2));
    QToolTip::showText(at, field->toolTip(), field);
    Settle(100);
    const QPixmap main = window->grab();
    QRect area(QPoint(0, 0), main.size());
    QPixmap tip;
    QPoint tipAt;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->inherits("QTipLabel")) {
            tip = top->grab();
            tipAt = top->mapToGlobal(QPoint()) - window->mapToGlobal(QPoint());
            area = area.united(QRect(tipAt, tip.size()).adjusted(0, 0, 8, 8));
        }
    }
    QToolTip::hideText();
    QPixmap picture(area.size());
    picture.fill(QColor(96, 108, 120));
    QPainter painter(&picture);
    painter.drawPixmap(-area.topLeft(), main);
    if (!tip.isNull()) {
        painter.drawPixmap(tipAt - area.topLeft(), tip);
    }
    return picture;
}

// The box over the main window, centred as it opens.
QPixmap BoxOverWindow(QWidget* window, QWidget* box) {
    QPixmap picture = window->grab();
    const QPixmap boxPicture = WithCaption(box);
    QPainter painter(&picture);
    painter.fillRect(picture.rect(), QColor(0, 0, 0, 40));
    painter.drawPixmap((picture.width() - boxPicture.width()) / 2,
                       (picture.height() - boxPicture.height()) / 2, boxPicture);
    return picture;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quarvel-app-shots FOLDER\n");
        return 2;
    }
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    char* startArgs[] = {argv[0], nullptr};
    AfxSetResources(QuarvelResources());
    AfxInitAppNames(&theApp, 1, startArgs);
    if (!theApp.InitInstance()) {
        std::fprintf(stderr, "quarvel-app-shots: the application did not start\n");
        return 1;
    }
    QWidget* window = theApp.m_pMainWnd->m_hWnd;
    Settle(300);

    Pick(IDC_COMBO_CLOCK, kTclk);
    Click(IDC_BUTTON_CALC_CDV);
    Settle(100);
    bool saved = Save(WithTip(window, Control(IDC_EDIT_CDV)), folder, "rate-tip.png");

    Pick(IDC_COMBO_BAUD, kOtherBaud);
    QTimer::singleShot(200, [&]() {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            saved = Save(BoxOverWindow(window, box), folder, "error-box.png") && saved;
            box->accept();
        }
    });
    Click(IDC_BUTTON_CALC_CDV);

    theApp.m_pMainWnd->SendMessage(WM_CLOSE);
    theApp.ExitInstance();
    return saved ? 0 : 1;
}
