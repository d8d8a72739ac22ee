#include "form_fixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "framework/create_context.h"
#include "framework/dialog_navigation.h"
#include "res/resources.h"

namespace {

class QtApp : public ::testing::Environment {
public:
    void SetUp() override {
        if (QApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "form_tests";
            static char* argv[] = {name, nullptr};
            new QApplication(argc, argv);
        }
    }
};

[[maybe_unused]] ::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new QtApp);

// Runs an action while a timer watches for modal boxes, reads and closes each.
std::vector<BoxSeen> WithBoxesClosed(QWidget* window, const std::function<void()>& action) {
    std::vector<BoxSeen> seen;
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, [&seen, window]() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        seen.push_back(BoxSeen{box->windowTitle().toStdString(), box->text().toStdString(),
                               box->icon() != QMessageBox::NoIcon,
                               box->standardButtons() == QMessageBox::Ok,
                               box->parentWidget() == window});
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        if (ok != nullptr) {
            QTest::mouseClick(ok, Qt::LeftButton);
        } else {
            box->reject();
        }
    });
    watcher.start();
    action();
    watcher.stop();
    if (!seen.empty()) {
        // The window becomes active again once the box has gone.
        QApplication::setActiveWindow(window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }
    return seen;
}

}  // namespace

void FormTest::SetUp() {
    AfxSetResources(QuarvelResources());
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CQuarvelView);
    m_frame = new CFrameWnd;
    // Larger than the form, so that the initial update shrinks the frame to fit.
    ASSERT_TRUE(m_frame->Create(nullptr, "Quarvel", WS_OVERLAPPEDWINDOW, RECT{0, 0, 900, 800},
                                nullptr, nullptr, 0, &context));
    m_frame->InitialUpdateFrame(nullptr, TRUE);
    m_view = dynamic_cast<CQuarvelView*>(m_frame->GetActiveView());
    ASSERT_NE(m_view, nullptr);
    QApplication::setActiveWindow(m_frame->m_hWnd);
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame->m_hWnd));
}

void FormTest::TearDown() {
    if (m_frame != nullptr && m_frame->m_hWnd != nullptr) {
        m_frame->DestroyWindow();  // the frame and the view delete themselves
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget* FormTest::Widget(int id) const {
    CWnd* item = m_view->GetDlgItem(id);
    return item != nullptr ? item->m_hWnd : nullptr;
}

std::string FormTest::Text(int id) const {
    CString text;
    m_view->GetDlgItem(id)->GetWindowText(text);
    return text.str();
}

bool FormTest::Checked(int id) const {
    return m_view->GetDlgItem(id)->SendMessage(BM_GETCHECK) == BST_CHECKED;
}

FormState FormTest::State() const {
    return FormState{Text(IDC_EDIT_CLOCK),
                     Text(IDC_EDIT_MMCRH),
                     Text(IDC_EDIT_BAUD),
                     Text(IDC_EDIT_CDV),
                     Text(IDC_EDIT_BCR),
                     m_view->m_comboClock.GetCurSel(),
                     m_view->m_comboBaud.GetCurSel()};
}

std::vector<BoxSeen> FormTest::Click(int id) {
    QWidget* control = Widget(id);
    return WithBoxesClosed(m_frame->m_hWnd,
                           [control]() { QTest::mouseClick(control, Qt::LeftButton); });
}

void FormTest::Pick(int comboId, int index) {
    auto* combo = qobject_cast<QComboBox*>(Widget(comboId));
    ASSERT_NE(combo, nullptr);
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QModelIndex item = list->model()->index(index, 0);
    list->scrollTo(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualRect(item).center());
    ASSERT_FALSE(list->window()->isVisible());
}

void FormTest::TypeInto(int id, const std::string& text) {
    QWidget* control = Widget(id);
    auto* combo = qobject_cast<QComboBox*>(control);
    QLineEdit* field = combo != nullptr ? combo->lineEdit() : qobject_cast<QLineEdit*>(control);
    ASSERT_NE(field, nullptr);
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    if (text.empty()) {
        QTest::keyClick(field, Qt::Key_Delete);
    } else {
        QTest::keyClicks(field, QString::fromStdString(text));
    }
}

std::vector<BoxSeen> FormTest::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    return WithBoxesClosed(m_frame->m_hWnd, [key, modifiers]() {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    });
}

int FormTest::FocusId() const {
    HWND item = AfxDialogFocusItem(m_view->m_hWnd);
    return item != nullptr ? CWnd::FromHandle(item)->GetDlgCtrlID() : 0;
}

void FormTest::InitialUpdateAgain() {
    m_frame->InitialUpdateFrame(nullptr, TRUE);
}
