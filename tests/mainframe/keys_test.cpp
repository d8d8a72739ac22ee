// The accelerator table: its keys become commands before the focused control sees
// them, also when the command is disabled.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "main_window_fixture.h"
#include "res/resource_ids.h"

namespace {

// Counts the presses of keys other than Shift, Ctrl and Alt that reach a widget.
class KeySpy : public QObject {
public:
    explicit KeySpy(QWidget* widget) { widget->installEventFilter(this); }
    int presses = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            presses += key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt;
        }
        return false;
    }
};

struct KeyCombination {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* name;
};

// The table's keys whose commands nobody handles.
constexpr KeyCombination kDisabledKeys[] = {
    {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
    {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
    {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
    {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    {Qt::Key_Backspace, Qt::AltModifier, "Alt+Backspace"},
    {Qt::Key_Delete, Qt::ShiftModifier, "Shift+Delete"},
    {Qt::Key_Insert, Qt::ControlModifier, "Ctrl+Insert"},
    {Qt::Key_Insert, Qt::ShiftModifier, "Shift+Insert"},
    {Qt::Key_F6, Qt::NoModifier, "F6"},
    {Qt::Key_F6, Qt::ShiftModifier, "Shift+F6"},
};

QLineEdit* FocusedField(QWidget* control) {
    auto* field = qobject_cast<QLineEdit*>(control);
    EXPECT_NE(field, nullptr);
    QTest::mouseClick(field, Qt::LeftButton);
    EXPECT_TRUE(field->hasFocus());
    return field;
}

TEST_F(MainWindowTest, EditingKeysOfTheTableNeverReachAnEditBox) {
    QLineEdit* field = FocusedField(Control(IDC_EDIT_CDV));
    Key(Qt::Key_A, Qt::ControlModifier);  // not in the table: the edit box selects all
    for (const char c : std::string("1234")) {
        Key(static_cast<Qt::Key>(c));
    }
    Key(Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(field->text(), "1234");
    ASSERT_EQ(field->selectedText(), "1234");
    QGuiApplication::clipboard()->setText("on the clipboard");
    KeySpy spy(field);

    for (const KeyCombination& key : kDisabledKeys) {
        Key(key.key, key.modifiers);
        // Also when a key event goes to the edit box straight away.
        QTest::keyClick(field, key.key, key.modifiers);
        EXPECT_EQ(field->text(), "1234") << key.name;
        EXPECT_EQ(field->selectedText(), "1234") << key.name;
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "on the clipboard") << key.name;
        EXPECT_TRUE(field->hasFocus()) << key.name;
    }
    EXPECT_EQ(spy.presses, 0);
    EXPECT_TRUE(Calls().empty());

    // Other keys still edit; undoing that is one of the table's keys again.
    Key(Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "");
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "");
}

TEST_F(MainWindowTest, FileKeysWorkFromEveryControlOfTheForm) {
    for (int id : {IDC_EDIT_CLOCK, IDC_COMBO_BAUD, IDC_COMBO_CLOCK, IDC_RADIO_X8,
                   IDC_BUTTON_CALC_CDV, IDC_EDIT_BCR}) {
        SCOPED_TRACE(id);
        QWidget* control = Control(id);
        ASSERT_NE(control, nullptr);
        control->setFocus();
        ASSERT_TRUE(control->hasFocus() || control->isAncestorOf(QApplication::focusWidget()));
        Calls().clear();
        Key(Qt::Key_N, Qt::ControlModifier);
        Key(Qt::Key_O, Qt::ControlModifier);
        Key(Qt::Key_S, Qt::ControlModifier);
        Key(Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(Calls(),
                  (std::vector<std::string>{"app:new", "app:open", "doc:save", "view:print"}));
    }
}

TEST_F(MainWindowTest, KeysWithOtherModifiersAreNotTheTables) {
    QLineEdit* field = FocusedField(Control(IDC_EDIT_CDV));
    Key(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    Key(Qt::Key_S, Qt::AltModifier);
    Key(Qt::Key_N);
    EXPECT_TRUE(Calls().empty());
    EXPECT_TRUE(field->text().endsWith("n"));
}

}  // namespace
