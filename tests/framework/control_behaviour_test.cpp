// Controls built from a template, driven by real mouse and key events: which user
// actions tell the parent, which messages stay silent, and fields that refuse
// typing once they are full.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QWheelEvent>
#include <string>

#include "framework/control_widgets.h"
#include "framework/controls.h"
#include "framework/dialog_builder.h"
#include "qt_app_fixture.h"
#include "small_dialog.h"

using namespace small_dialog;

namespace {

std::vector<BYTE> TwoItems(int id) {
    // "one" and "two", as the dialog-initialisation data stores them.
    return {static_cast<BYTE>(id),
            static_cast<BYTE>(id >> 8),
            0x03,
            0x04,
            4,
            0,
            0,
            0,
            'o',
            'n',
            'e',
            0,
            static_cast<BYTE>(id),
            static_cast<BYTE>(id >> 8),
            0x03,
            0x04,
            4,
            0,
            0,
            0,
            't',
            'w',
            'o',
            0,
            0,
            0};
}

class ControlBehaviour : public ::testing::Test {
protected:
    void SetUp() override {
        ShowActive(m_dialog);
        ASSERT_TRUE(AfxApplyDialogInit(m_dialog.m_hWnd, TwoItems(kComboFixed)));
        ASSERT_TRUE(AfxApplyDialogInit(m_dialog.m_hWnd, TwoItems(kComboScrolling)));
        ASSERT_TRUE(m_combo.SubclassWindow(Widget(m_dialog, kComboFixed)));
        m_dialog.m_notes.clear();
    }

    QLineEdit* Field(int id) {
        QWidget* w = Widget(m_dialog, id);
        auto* combo = qobject_cast<QComboBox*>(w);
        return combo != nullptr ? combo->lineEdit() : qobject_cast<QLineEdit*>(w);
    }

    std::string Text(int id) {
        CString text;
        m_dialog.GetDlgItem(id)->GetWindowText(text);
        return text.str();
    }

    CRecordingDialog m_dialog;
    CComboBox m_combo;
};

TEST_F(ControlBehaviour, ProgrammaticSelectionShowsTheItemAndRaisesNothing) {
    EXPECT_EQ(m_combo.SetCurSel(1), 1);
    EXPECT_EQ(m_combo.GetCurSel(), 1);
    EXPECT_EQ(Text(kComboFixed), "two");
    EXPECT_EQ(m_combo.SetCurSel(5), CB_ERR);
    EXPECT_EQ(m_combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(Text(kComboFixed), "");
    EXPECT_TRUE(m_dialog.m_notes.empty());
}

TEST_F(ControlBehaviour, PickingFromTheListTellsTheParent) {
    auto* combo = qobject_cast<QComboBox*>(Widget(m_dialog, kComboFixed));
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QRect item = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    EXPECT_EQ(m_combo.GetCurSel(), 1);
    EXPECT_EQ(Text(kComboFixed), "two");
    EXPECT_EQ(m_dialog.m_notes, (Notes{{kComboFixed, CBN_SELCHANGE}}));
    // The arrow keys pick too.
    Field(kComboFixed)->setFocus();
    QTest::keyClick(Field(kComboFixed), Qt::Key_Up);
    EXPECT_EQ(m_combo.GetCurSel(), 0);
    EXPECT_EQ(m_dialog.m_notes,
              (Notes{{kComboFixed, CBN_SELCHANGE}, {kComboFixed, CBN_SELCHANGE}}));
}

TEST_F(ControlBehaviour, TheWheelPicksOnlyInTheFocusedList) {
    m_combo.SetCurSel(0);
    QWidget* combo = Widget(m_dialog, kComboFixed);
    const auto roll = [combo]() {
        const QPointF at(combo->width() / 2.0, combo->height() / 2.0);
        QWheelEvent wheel(at, combo->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
    };
    Field(kEditWide)->setFocus();
    roll();
    EXPECT_EQ(m_combo.GetCurSel(), 0);
    EXPECT_TRUE(m_dialog.m_notes.empty());
    Field(kComboFixed)->setFocus();
    roll();
    EXPECT_EQ(m_combo.GetCurSel(), 1);
    EXPECT_EQ(m_dialog.m_notes, (Notes{{kComboFixed, CBN_SELCHANGE}}));
}

TEST_F(ControlBehaviour, TypingIntoAListsFieldLeavesItWithoutSelectionAndNoSelectionChange) {
    m_combo.SetCurSel(0);
    Field(kComboFixed)->setFocus();
    Field(kComboFixed)->selectAll();
    // Even the text of an item picks nothing, also when the field loses the focus. Each
    // typed character tells the parent of the edit, never of a selection change.
    QTest::keyClicks(Field(kComboFixed), "two");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(Text(kComboFixed), "two");
    EXPECT_EQ(m_combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(m_dialog.m_notes, (Notes{{kComboFixed, CBN_EDITCHANGE},
                                       {kComboFixed, CBN_EDITCHANGE},
                                       {kComboFixed, CBN_EDITCHANGE}}));
}

TEST_F(ControlBehaviour, FieldsThatDoNotScrollStopTakingCharactersWhenFull) {
    const std::string longText(60, '9');
    struct Case {
        int id;
        bool scrolls;
    };
    for (const Case& c : {Case{kComboFixed, false}, Case{kComboScrolling, true},
                          Case{kEditNarrow, false}, Case{kEditWide, true}}) {
        QLineEdit* field = Field(c.id);
        field->setFocus();
        QTest::keyClicks(field, QString::fromStdString(longText));
        const std::string typed = Text(c.id);
        if (c.scrolls) {
            EXPECT_EQ(typed, longText) << c.id;
        } else {
            EXPECT_LT(typed.size(), longText.size()) << c.id;
            EXPECT_GT(typed.size(), 2u) << c.id;
            auto* edit = static_cast<AfxLineEdit*>(field);
            EXPECT_TRUE(edit->TextFits(field->text())) << c.id;
            EXPECT_FALSE(edit->TextFits(field->text() + "9")) << c.id;
            // Deleting still works, and then there is room again.
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClick(field, Qt::Key_1);
            EXPECT_EQ(Text(c.id), typed.substr(0, typed.size() - 1) + "1") << c.id;
        }
        // A text set by message is never cut.
        m_dialog.GetDlgItem(c.id)->SetWindowText(longText.c_str());
        EXPECT_EQ(Text(c.id), longText) << c.id;
    }
}

TEST_F(ControlBehaviour, EnterAndSpacePressTheFocusedPushButton) {
    QWidget* go = Widget(m_dialog, kButtonGo);
    go->setFocus();
    QTest::keyClick(go, Qt::Key_Return);
    QTest::keyClick(go, Qt::Key_Space);
    QTest::mouseClick(go, Qt::LeftButton);
    EXPECT_EQ(m_dialog.m_notes,
              (Notes{{kButtonGo, BN_CLICKED}, {kButtonGo, BN_CLICKED}, {kButtonGo, BN_CLICKED}}));
}

TEST_F(ControlBehaviour, EnterInAFieldPressesOnlyADefaultButton) {
    QLineEdit* field = Field(kEditWide);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    // The dialog's default button is OK, which ends the dialog.
    EXPECT_EQ(m_dialog.m_notes, (Notes{{IDOK, BN_CLICKED}}));
}

TEST_F(ControlBehaviour, EscapeAndTheCloseBoxAskTheDialogToCancel) {
    QTest::keyClick(Field(kEditWide), Qt::Key_Escape);
    m_dialog.SendMessage(WM_CLOSE);
    EXPECT_EQ(m_dialog.m_notes, (Notes{{IDCANCEL, BN_CLICKED}, {IDCANCEL, BN_CLICKED}}));
    EXPECT_NE(m_dialog.m_hWnd, nullptr);  // cancelling ends it; only its owner destroys it
}

TEST(Controls, CreatedDirectlyTheyAnswerTheirMessages) {
    CRecordingDialog parent;
    ASSERT_TRUE(parent.CreateIndirect(&kTemplate));
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT,
                             RECT{0, 0, 100, 200}, &parent, 300));
    EXPECT_EQ(combo.AddString("pear"), 0);
    EXPECT_EQ(combo.AddString("Apple"), 0);
    EXPECT_EQ(combo.AddString("fig"), 1);
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_LT(combo.m_hWnd->height(), 200);
    CButton check;
    ASSERT_TRUE(check.Create("Check", WS_VISIBLE | BS_CHECKBOX, RECT{0, 0, 80, 20}, &parent, 301));
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);
    // A plain (not automatic) check box leaves checking to its parent.
    QTest::mouseClick(check.m_hWnd, Qt::LeftButton);
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);
    EXPECT_EQ(parent.m_notes, (Notes{{301, BN_CLICKED}}));
    CStatic label;
    ASSERT_TRUE(label.Create("Label :", WS_VISIBLE | SS_LEFT, RECT{0, 0, 80, 20}, &parent));
    char buffer[4];
    EXPECT_EQ(label.GetWindowText(buffer, 4), 3);
    EXPECT_STREQ(buffer, "Lab");
}

}  // namespace
