// The form as the view's initial update leaves it, and again after New or Open.
#include <QAccessible>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <utility>

#include "form_fixture.h"
#include "framework/afx_ids.h"

namespace {

TEST_F(FormTest, StartsWithTheDefaults) {
    EXPECT_EQ(State(), (FormState{"3686400", "", "", "", "", 0, 6}));
    EXPECT_EQ(Text(IDC_COMBO_CLOCK), "BCLK_in");
    EXPECT_EQ(Text(IDC_COMBO_BAUD), "115200");
    for (int id = IDC_RADIO_X1; id <= IDC_RADIO_MMCRH; ++id) {
        EXPECT_EQ(Checked(id), id == IDC_RADIO_X8) << id;
    }
    EXPECT_FALSE(m_view->m_editMmcrh.IsWindowEnabled());
    for (int id : {IDC_EDIT_CLOCK, IDC_EDIT_BAUD, IDC_EDIT_CDV, IDC_EDIT_BCR, IDC_COMBO_CLOCK,
                   IDC_COMBO_BAUD, IDC_BUTTON_CALC_CDV, IDC_BUTTON_CALC_BAUD}) {
        EXPECT_TRUE(m_view->GetDlgItem(id)->IsWindowEnabled()) << id;
    }
    // The first tab stop, the clock-source list, has the focus.
    EXPECT_EQ(FocusId(), IDC_COMBO_CLOCK);
}

TEST_F(FormTest, MembersAreBoundToTheirControls) {
    const std::pair<const CWnd*, int> bindings[] = {
        {&m_view->m_editBcr, IDC_EDIT_BCR},       {&m_view->m_editMmcrh, IDC_EDIT_MMCRH},
        {&m_view->m_editBaud, IDC_EDIT_BAUD},     {&m_view->m_editCdv, IDC_EDIT_CDV},
        {&m_view->m_comboClock, IDC_COMBO_CLOCK}, {&m_view->m_comboBaud, IDC_COMBO_BAUD},
        {&m_view->m_editClock, IDC_EDIT_CLOCK},
    };
    for (const auto& [member, id] : bindings) {
        EXPECT_EQ(member->m_hWnd, Widget(id)) << id;
        EXPECT_EQ(CWnd::FromHandle(Widget(id)), member) << id;
    }
}

TEST_F(FormTest, ListsHoldTheirItemsInOrder) {
    const auto items = [](const CComboBox& combo) {
        std::vector<std::string> texts;
        for (int i = 0; i < combo.GetCount(); ++i) {
            CString text;
            combo.GetLBText(i, text);
            texts.push_back(text.str());
        }
        return texts;
    };
    EXPECT_EQ(items(m_view->m_comboClock),
              (std::vector<std::string>{"BCLK_in", "TCLK", "SCLK0", "other clock"}));
    EXPECT_EQ(items(m_view->m_comboBaud),
              (std::vector<std::string>{"2400", "4800", "9600", "19200", "38400", "57600", "115200",
                                        "230400", "460800", "921600", "OTHER"}));
}

TEST_F(FormTest, FieldsCarryTheNamesOfTheirLabels) {
    const std::pair<int, const char*> names[] = {
        {IDC_EDIT_CLOCK, "Input Clock :"},       {IDC_COMBO_CLOCK, "Input Clock :"},
        {IDC_EDIT_MMCRH, "MMCRH value (HEX) :"}, {IDC_COMBO_BAUD, "Fixed Baud Rate :"},
        {IDC_EDIT_BCR, "BCR value (HEX) :"},     {IDC_EDIT_BAUD, "Baud Rate :"},
        {IDC_EDIT_CDV, "CDV (HEX) :"},
    };
    for (const auto& [id, name] : names) {
        // The field's own name, and the label that the platform relates to it (Linux
        // names a combo box by its text and finds its label through the relation).
        EXPECT_EQ(Widget(id)->accessibleName().toStdString(), name) << id;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Widget(id));
        ASSERT_NE(accessible, nullptr) << id;
        std::vector<std::string> seen{accessible->text(QAccessible::Name).toStdString()};
        for (const auto& [other, relation] : accessible->relations(QAccessible::Label)) {
            seen.push_back(other->text(QAccessible::Name).toStdString());
        }
        EXPECT_NE(std::find(seen.begin(), seen.end(), name), seen.end()) << id;
    }
}

TEST_F(FormTest, TheFrameShrinksToTheFormAndScrollsWhenSmaller) {
    auto* area = qobject_cast<QScrollArea*>(m_view->m_hWnd);
    ASSERT_NE(area, nullptr);
    const CSize total = m_view->GetTotalSize();
    EXPECT_EQ(area->widget()->size(), QSize(total.cx, total.cy));
    // The generous frame was made smaller until the view fits the form exactly.
    EXPECT_EQ(m_view->m_hWnd->size(), QSize(total.cx, total.cy));
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(area->verticalScrollBar()->isVisible());
    // Made smaller than the form, the view scrolls; the form keeps its layout.
    const QRect editBefore = Widget(IDC_EDIT_BCR)->geometry();
    m_frame->m_hWnd->resize(m_frame->m_hWnd->width() - 100, m_frame->m_hWnd->height() - 100);
    QApplication::processEvents();
    EXPECT_TRUE(area->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(area->verticalScrollBar()->isVisible());
    EXPECT_EQ(Widget(IDC_EDIT_BCR)->geometry(), editBefore);
    // Shrink only: the next initial update does not make the frame larger again.
    const QSize small = m_frame->m_hWnd->size();
    InitialUpdateAgain();
    QApplication::processEvents();
    EXPECT_EQ(m_frame->m_hWnd->size(), small);
}

TEST_F(FormTest, AnotherInitialUpdateResetsChoicesButKeepsTheOtherFields) {
    Pick(IDC_COMBO_CLOCK, 1);
    Pick(IDC_COMBO_BAUD, 10);
    Click(IDC_RADIO_MMCRH);
    TypeInto(IDC_EDIT_MMCRH, "02000200");
    TypeInto(IDC_EDIT_BAUD, "9600");
    TypeInto(IDC_EDIT_CDV, "17");
    TypeInto(IDC_EDIT_BCR, "abc");
    ASSERT_EQ(State(), (FormState{"133000000", "02000200", "9600", "17", "abc", 1, 10}));

    InitialUpdateAgain();
    EXPECT_EQ(State(), (FormState{"3686400", "02000200", "9600", "17", "abc", 0, 6}));
    EXPECT_FALSE(m_view->m_editMmcrh.IsWindowEnabled());
    for (int id = IDC_RADIO_X1; id <= IDC_RADIO_MMCRH; ++id) {
        EXPECT_EQ(Checked(id), id == IDC_RADIO_X8) << id;
    }
    // The lists were not filled a second time.
    EXPECT_EQ(m_view->m_comboClock.GetCount(), 4);
    EXPECT_EQ(m_view->m_comboBaud.GetCount(), 11);
}

TEST_F(FormTest, ThePrintCommandsBelongToTheView) {
    for (UINT id : {ID_FILE_PRINT, ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW}) {
        AFX_CMDHANDLERINFO info;
        EXPECT_TRUE(m_view->OnCmdMsg(id, CN_COMMAND, nullptr, &info)) << id;
        EXPECT_EQ(info.pTarget, m_view) << id;
    }
}

}  // namespace
