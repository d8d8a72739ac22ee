// The real application, started in this process as the program starts it, under a long run of
// random user actions: typing arbitrary text (control characters and non-ASCII included) into
// every field, picking list items, clicking the prescaler buttons and both calculate buttons,
// opening and closing menus, and New. Every ERROR box is read and closed; any other modal
// window is a finding. Run under AddressSanitizer and UndefinedBehaviorSanitizer (CI), where
// any memory error, undefined behaviour or leak ends the run with a report.
//
// QUARVEL_RANDOM_ACTIONS sets the number of actions (default 1000), QUARVEL_RANDOM_SEED the
// seed (default fixed), so a failing run can be repeated exactly.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEventLoop>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <array>
#include <cstdio>
#include <functional>
#include <map>
#include <random>
#include <string>

#include "calc/calc_error.h"
#include "form/quarvel_view.h"
#include "framework/afx_ids.h"
#include "framework/frame_wnd.h"
#include "res/resources.h"
#include "shell/quarvel_app.h"
#include "tests/app/profile_env.h"

namespace {

constexpr int kDefaultActions = 1000;
constexpr unsigned kDefaultSeed = 20261211;

int ActionCount() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("QUARVEL_RANDOM_ACTIONS", &ok);
    return ok && n > 0 ? n : kDefaultActions;
}

unsigned Seed() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("QUARVEL_RANDOM_SEED", &ok);
    return ok ? static_cast<unsigned>(n) : kDefaultSeed;
}

// One Qt application for the run, deleted again at its end so that nothing of ours stays
// behind for the leak check but what Qt itself keeps.
class QtApp : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "/usr/bin/quarvel";
        static char* argv[] = {name, nullptr};
        m_app = new QApplication(argc, argv);
    }
    void TearDown() override { delete m_app; }

private:
    QApplication* m_app = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new QtApp);

// Characters a user might produce: digits and letters the number rule reads, signs and
// blanks, and text the fields must carry without harm: Latin-1, CJK, a character outside the
// basic plane, combining and joining marks, right-to-left text, a byte-order mark.
const std::array<QString, 24> kCharacters = {
    "0",      "7",      "9",      "a",      "F",      "x",      "-",      "+",
    " ",      "\t",     "\u00e9", "\u00df", "\u4e2d", "\u0661", "\uff11", "\U0001F600",
    "\u0301", "\u200d", "\u05d0", "\ufeff", "\u00a0", "\ufffd", "%",      "\\",
};

// Keys that edit, move or press, as a keyboard gives them. Ctrl+O, Ctrl+S and Ctrl+P are left
// out: they open the file and print dialogs, which have tests of their own.
struct KeyStroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
};
const std::array<KeyStroke, 24> kKeyStrokes = {{
    {Qt::Key_Backspace, Qt::NoModifier, "\b"}, {Qt::Key_Delete, Qt::NoModifier, "\x7f"},
    {Qt::Key_Left, Qt::NoModifier, ""},        {Qt::Key_Right, Qt::NoModifier, ""},
    {Qt::Key_Home, Qt::NoModifier, ""},        {Qt::Key_End, Qt::ShiftModifier, ""},
    {Qt::Key_Up, Qt::NoModifier, ""},          {Qt::Key_Down, Qt::NoModifier, ""},
    {Qt::Key_Return, Qt::NoModifier, "\r"},    {Qt::Key_Enter, Qt::KeypadModifier, "\r"},
    {Qt::Key_Tab, Qt::NoModifier, "\t"},       {Qt::Key_Backtab, Qt::ShiftModifier, ""},
    {Qt::Key_Escape, Qt::NoModifier, "\x1b"},  {Qt::Key_Space, Qt::NoModifier, " "},
    {Qt::Key_A, Qt::ControlModifier, "\x01"},  {Qt::Key_Z, Qt::ControlModifier, "\x1a"},
    {Qt::Key_C, Qt::ControlModifier, "\x03"},  {Qt::Key_V, Qt::ControlModifier, "\x16"},
    {Qt::Key_N, Qt::ControlModifier, "\x0e"},  {Qt::Key_H, Qt::ControlModifier, "\x08"},
    {Qt::Key_F6, Qt::NoModifier, ""},          {Qt::Key_Insert, Qt::ShiftModifier, ""},
    {Qt::Key_Backspace, Qt::AltModifier, ""},  {Qt::Key_unknown, Qt::NoModifier, "\x1f"},
}};

constexpr std::array<int, 7> kFields = {IDC_EDIT_CLOCK, IDC_EDIT_MMCRH, IDC_EDIT_BAUD,
                                        IDC_EDIT_CDV,   IDC_EDIT_BCR,   IDC_COMBO_CLOCK,
                                        IDC_COMBO_BAUD};
constexpr std::array<int, 5> kRadios = {IDC_RADIO_X1, IDC_RADIO_X8, IDC_RADIO_X16, IDC_RADIO_X32,
                                        IDC_RADIO_MMCRH};

enum class Action { TypeText, PressKeys, PickItem, ClickRadio, Calculate, Menu, New, Count };
const std::map<Action, const char*> kActionNames = {
    {Action::TypeText, "type text"},
    {Action::PressKeys, "press keys"},
    {Action::PickItem, "pick item"},
    {Action::ClickRadio, "click radio"},
    {Action::Calculate, "calculate"},
    {Action::Menu, "open/close menu"},
    {Action::New, "new"},
};
// Relative weights of the actions, in the order above.
constexpr std::array<int, 7> kWeights = {30, 15, 15, 12, 15, 8, 5};

class RandomActions : public ::testing::Test {
protected:
    void SetUp() override {
        static char name[] = "/usr/bin/quarvel";
        static char* argv[] = {name, nullptr};
        AfxSetResources(QuarvelResources());
        AfxInitAppNames(&theApp, 1, argv);
        ASSERT_TRUE(theApp.InitInstance());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(MainWindow()));
    }

    void TearDown() override {
        // The close box, as the user ends the program; the frame and view delete themselves.
        if (theApp.m_pMainWnd != nullptr) {
            theApp.m_pMainWnd->SendMessage(WM_CLOSE);
        }
        theApp.ExitInstance();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static QMainWindow* MainWindow() {
        return theApp.m_pMainWnd != nullptr ? qobject_cast<QMainWindow*>(theApp.m_pMainWnd->m_hWnd)
                                            : nullptr;
    }
    static CQuarvelView* View() {
        auto* frame = dynamic_cast<CFrameWnd*>(theApp.m_pMainWnd);
        return frame != nullptr ? dynamic_cast<CQuarvelView*>(frame->GetActiveView()) : nullptr;
    }
    static QWidget* Control(int id) {
        CWnd* item = View()->GetDlgItem(id);
        return item != nullptr ? item->m_hWnd : nullptr;
    }

    // The run reads and writes a profile of its own, never the user's.
    ScopedConfigHome m_home;

    int Random(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }

    // Runs an action while every modal window that comes up is read and closed.
    void WithModalsClosed(const std::function<void()>& action) {
        QTimer watcher;
        watcher.setInterval(0);
        QObject::connect(&watcher, &QTimer::timeout, [this]() {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || !modal->isVisible()) {
                return;
            }
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box != nullptr && box->windowTitle() == "ERROR") {
                ++m_errorBoxes[box->text().toStdString()];
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
                return;
            }
            ++m_otherModals;
            ADD_FAILURE() << "unexpected modal window \"" << modal->windowTitle().toStdString()
                          << "\" after action " << m_done;
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            } else {
                modal->close();
            }
        });
        watcher.start();
        action();
        watcher.stop();
    }

    // Lets the loop go idle once, so that idle-time updates (toolbar buttons) run too.
    static void Idle() {
        QEventLoop loop;
        QTimer::singleShot(1, &loop, &QEventLoop::quit);
        loop.exec();
    }

    // Keys go where the keyboard focus is; with none, to the main window.
    static QWidget* FocusTarget() {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus : MainWindow();
    }

    void TypeText() {
        QWidget* control = Control(kFields[static_cast<std::size_t>(Random(kFields.size()))]);
        auto* combo = qobject_cast<QComboBox*>(control);
        QWidget* field = combo != nullptr ? combo->lineEdit() : control;
        QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier,
                          QPoint(1 + Random(std::max(1, field->width() - 2)), field->height() / 2));
        if (Random(4) == 0) {
            // A number, so that calculations also succeed and fail for their real reasons.
            const auto value = static_cast<unsigned>(m_random());
            const QString number = Random(2) == 0 ? QString::number(value >> Random(32))
                                                  : QString::number(value >> Random(32), 16);
            QTest::keyClick(FocusTarget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(FocusTarget(), number);
            return;
        }
        const int length = Random(24);
        for (int i = 0; i < length; ++i) {
            if (Random(8) == 0) {
                PressKey();
            } else {
                const QString& text =
                    kCharacters[static_cast<std::size_t>(Random(kCharacters.size()))];
                QTest::sendKeyEvent(QTest::Click, FocusTarget(), Qt::Key_unknown, text,
                                    Qt::NoModifier);
            }
        }
    }

    void PressKey() {
        const KeyStroke& k = kKeyStrokes[static_cast<std::size_t>(Random(kKeyStrokes.size()))];
        QTest::sendKeyEvent(QTest::Click, FocusTarget(), k.key, QString::fromLatin1(k.text),
                            k.modifiers);
    }

    void PickItem() {
        auto* combo =
            qobject_cast<QComboBox*>(Control(Random(2) == 0 ? IDC_COMBO_CLOCK : IDC_COMBO_BAUD));
        ASSERT_NE(combo, nullptr);
        if (Random(3) == 0) {
            // From the keyboard: the arrows move the selection of a focused list.
            combo->setFocus();
            QTest::keyClick(combo, Random(2) == 0 ? Qt::Key_Down : Qt::Key_Up);
            return;
        }
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
        const QModelIndex item = list->model()->index(Random(combo->count()), 0);
        list->scrollTo(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualRect(item).center());
    }

    void OpenAndCloseMenu() {
        QMenuBar* bar = MainWindow()->menuBar();
        const QList<QAction*> titles = bar->actions();
        QAction* title = titles[Random(static_cast<int>(titles.size()))];
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(title).center());
        QMenu* menu = title->menu();
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000));
        // Escape closes the menu, a second one leaves the menu bar.
        QTest::keyClick(menu, Qt::Key_Escape);
        QTest::keyClick(bar, Qt::Key_Escape);
    }

    void New() {
        switch (Random(3)) {
            case 0: {
                QMenuBar* bar = MainWindow()->menuBar();
                QAction* file = bar->actions().front();
                QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                                  bar->actionGeometry(file).center());
                QMenu* menu = file->menu();
                ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000));
                for (QAction* item : menu->actions()) {
                    if (item->data().toUInt() == ID_FILE_NEW) {
                        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                                          menu->actionGeometry(item).center());
                    }
                }
                break;
            }
            case 1: {
                auto* toolbar = MainWindow()->findChild<QToolBar*>();
                for (QAction* button : toolbar->actions()) {
                    if (button->data().toUInt() == ID_FILE_NEW) {
                        QTest::mouseClick(toolbar->widgetForAction(button), Qt::LeftButton);
                    }
                }
                break;
            }
            default:
                QTest::keyClick(MainWindow(), Qt::Key_N, Qt::ControlModifier);
                break;
        }
    }

    void Run(Action action) {
        switch (action) {
            case Action::TypeText:
                TypeText();
                break;
            case Action::PressKeys:
                for (int i = 1 + Random(4); i > 0; --i) {
                    PressKey();
                }
                break;
            case Action::PickItem:
                PickItem();
                break;
            case Action::ClickRadio:
                QTest::mouseClick(
                    Control(kRadios[static_cast<std::size_t>(Random(kRadios.size()))]),
                    Qt::LeftButton);
                break;
            case Action::Calculate:
                QTest::mouseClick(
                    Control(Random(2) == 0 ? IDC_BUTTON_CALC_CDV : IDC_BUTTON_CALC_BAUD),
                    Qt::LeftButton);
                break;
            case Action::Menu:
                OpenAndCloseMenu();
                break;
            case Action::New:
                New();
                break;
            case Action::Count:
                break;
        }
    }

    // A popup that an action left open (a list dropped down by a key, a menu) is closed, as a
    // click elsewhere would, and the main window becomes the active window again, as the window
    // system makes it once a popup or a box has gone; the offscreen platform leaves that to us.
    void ReturnToMainWindow() {
        while (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
        if (QApplication::activeWindow() != MainWindow()) {
            QApplication::setActiveWindow(MainWindow());
        }
    }

    std::mt19937 m_random{Seed()};
    std::map<std::string, int> m_errorBoxes;
    int m_otherModals = 0;
    int m_done = 0;
};

TEST_F(RandomActions, TheWindowSurvivesThemWithEveryErrorBoxClosed) {
    const int count = ActionCount();
    std::discrete_distribution<int> pick(kWeights.begin(), kWeights.end());
    std::map<Action, int> done;
    for (m_done = 0; m_done < count; ++m_done) {
        const auto action = static_cast<Action>(pick(m_random));
        WithModalsClosed([this, action]() { Run(action); });
        ReturnToMainWindow();
        Idle();
        ++done[action];
        ASSERT_NE(View(), nullptr) << "the view is gone after action " << m_done;
        int checked = 0;
        for (int id : kRadios) {
            checked += Control(id)->property("checked").toBool() ? 1 : 0;
        }
        ASSERT_EQ(checked, 1) << "prescaler buttons checked after action " << m_done;
        if (HasFatalFailure()) {
            return;
        }
    }

    // Nothing modal may be left open.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible() && (qobject_cast<QMessageBox*>(window) != nullptr ||
                                             qobject_cast<QDialog*>(window) != nullptr))
            << "left open: " << window->windowTitle().toStdString();
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(m_otherModals, 0);

    // Every box showed one of the calculator's three messages.
    int boxes = 0;
    for (const auto& [text, n] : m_errorBoxes) {
        EXPECT_TRUE(text == quarvel::ErrorMessageText(quarvel::CalcError::BaudRateZero) ||
                    text == quarvel::ErrorMessageText(quarvel::CalcError::RcdvTcdvMismatch) ||
                    text == quarvel::ErrorMessageText(quarvel::CalcError::CdvInvalid))
            << text;
        boxes += n;
    }

    std::printf("random actions: %d (seed %u)\n", count, Seed());
    for (const auto& [action, n] : done) {
        std::printf("  %-16s %d\n", kActionNames.at(action), n);
    }
    std::printf("ERROR boxes closed: %d\n", boxes);
    for (const auto& [text, n] : m_errorBoxes) {
        std::printf("  %5d  %s\n", n, text.c_str());
    }
}

}  // namespace
