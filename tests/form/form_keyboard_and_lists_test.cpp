// Presets, the MMCRH field, radio buttons, the keyboard, and lists whose field the
// user has typed into.
#include <QComboBox>
#include <QLineEdit>

#include "form_fixture.h"

namespace {

TEST_F(FormTest, PickingAClockSourceWritesItsPreset) {
    struct Case {
        int index;
        const char* clock;
    };
    for (const Case& c :
         {Case{1, "133000000"}, Case{2, "100000000"}, Case{3, "0"}, Case{0, "3686400"}}) {
        Pick(IDC_COMBO_CLOCK, c.index);
        EXPECT_EQ(Text(IDC_EDIT_CLOCK), c.clock) << c.index;
        EXPECT_EQ(m_view->m_comboClock.GetCurSel(), c.index);
    }
    // The clock field stays editable: what is typed counts, whatever the list shows.
    TypeInto(IDC_EDIT_CLOCK, "133000000");
    Click(IDC_BUTTON_CALC_CDV);
    EXPECT_EQ(Text(IDC_EDIT_BCR), "10047");
}

TEST_F(FormTest, PickingOtherWritesZeroAndAPresetLeavesTheTypedRate) {
    Pick(IDC_COMBO_BAUD, 10);
    EXPECT_EQ(Text(IDC_EDIT_BAUD), "0");
    TypeInto(IDC_EDIT_BAUD, "9600");
    Click(IDC_RADIO_X16);
    Click(IDC_BUTTON_CALC_CDV);
    EXPECT_EQ(Text(IDC_EDIT_CDV), "b");
    // A preset leaves the typed rate in the field, and the calculation uses the preset.
    Pick(IDC_COMBO_BAUD, 0);
    EXPECT_EQ(Text(IDC_EDIT_BAUD), "9600");
    Click(IDC_BUTTON_CALC_CDV);
    EXPECT_EQ(Text(IDC_EDIT_CDV), "2f");  // 2400
}

TEST_F(FormTest, OtherMmcrhValueEnablesTheFieldUntilTheNextInitialUpdate) {
    const int radios[] = {IDC_RADIO_X1, IDC_RADIO_X8, IDC_RADIO_X16, IDC_RADIO_X32,
                          IDC_RADIO_MMCRH};
    Click(IDC_RADIO_MMCRH);
    EXPECT_TRUE(m_view->m_editMmcrh.IsWindowEnabled());
    TypeInto(IDC_EDIT_MMCRH, "06000600");
    // Any radio button clears the others; the field stays enabled with its text.
    for (int clicked : {IDC_RADIO_X16, IDC_RADIO_X1, IDC_RADIO_X32, IDC_RADIO_X8}) {
        Click(clicked);
        for (int id : radios) {
            EXPECT_EQ(Checked(id), id == clicked) << clicked << " " << id;
        }
        EXPECT_TRUE(m_view->m_editMmcrh.IsWindowEnabled());
        EXPECT_EQ(Text(IDC_EDIT_MMCRH), "06000600");
    }
    Click(IDC_BUTTON_CALC_CDV);
    EXPECT_EQ(Text(IDC_EDIT_CDV), "1");  // x8: the MMCRH text is ignored
    Click(IDC_RADIO_MMCRH);
    Click(IDC_RADIO_MMCRH);  // a second click keeps it checked and the field enabled
    EXPECT_TRUE(Checked(IDC_RADIO_MMCRH));
    EXPECT_TRUE(m_view->m_editMmcrh.IsWindowEnabled());
    Click(IDC_BUTTON_CALC_CDV);
    EXPECT_EQ(Text(IDC_EDIT_CDV), "0");  // factor 32
    InitialUpdateAgain();
    EXPECT_FALSE(m_view->m_editMmcrh.IsWindowEnabled());
    EXPECT_EQ(Text(IDC_EDIT_MMCRH), "06000600");
}

std::vector<int> TabCycle(FormTest& form, Qt::KeyboardModifiers modifiers) {
    std::vector<int> ids;
    for (int i = 0; i < 10; ++i) {
        form.Key(Qt::Key_Tab, modifiers);
        ids.push_back(form.FocusId());
        if (ids.back() == IDC_COMBO_CLOCK) {
            break;
        }
    }
    return ids;
}

TEST_F(FormTest, TabVisitsTheTabStopsInTemplateOrderSkippingDisabledOnes) {
    ASSERT_EQ(FocusId(), IDC_COMBO_CLOCK);
    EXPECT_EQ(
        TabCycle(*this, Qt::NoModifier),
        (std::vector<int>{IDC_EDIT_CLOCK, IDC_COMBO_BAUD, IDC_EDIT_CDV, IDC_BUTTON_CALC_CDV,
                          IDC_BUTTON_CALC_BAUD, IDC_EDIT_BAUD, IDC_EDIT_BCR, IDC_COMBO_CLOCK}));
    Click(IDC_RADIO_MMCRH);
    Widget(IDC_COMBO_CLOCK)->setFocus();
    EXPECT_EQ(TabCycle(*this, Qt::ShiftModifier),
              (std::vector<int>{IDC_EDIT_BCR, IDC_EDIT_BAUD, IDC_BUTTON_CALC_BAUD,
                                IDC_BUTTON_CALC_CDV, IDC_EDIT_CDV, IDC_COMBO_BAUD, IDC_EDIT_MMCRH,
                                IDC_EDIT_CLOCK, IDC_COMBO_CLOCK}));
}

TEST_F(FormTest, EnterInAFieldPressesNothingWhileEnterOrSpaceOnAButtonPressesIt) {
    for (int field : {IDC_EDIT_CLOCK, IDC_EDIT_BAUD, IDC_EDIT_CDV, IDC_COMBO_BAUD}) {
        Click(field);
        ASSERT_EQ(FocusId(), field);
        EXPECT_TRUE(Key(Qt::Key_Return).empty()) << field;
        EXPECT_TRUE(Key(Qt::Key_Enter).empty()) << field;
    }
    EXPECT_EQ(Text(IDC_EDIT_CDV), "");
    EXPECT_EQ(Text(IDC_EDIT_BCR), "");

    Widget(IDC_BUTTON_CALC_CDV)->setFocus();
    EXPECT_TRUE(Key(Qt::Key_Return).empty());
    EXPECT_EQ(Text(IDC_EDIT_BCR), "10001");
    Widget(IDC_BUTTON_CALC_BAUD)->setFocus();
    EXPECT_TRUE(Key(Qt::Key_Space).empty());
    EXPECT_EQ(Text(IDC_EDIT_BAUD), "115200");
    // With a failing calculation, one key press shows one box.
    TypeInto(IDC_EDIT_CLOCK, "0");
    Widget(IDC_BUTTON_CALC_CDV)->setFocus();
    EXPECT_EQ(Key(Qt::Key_Return).size(), 1u);
}

TEST_F(FormTest, TypingIntoTheClockListLeavesItWithoutSelection) {
    TypeInto(IDC_COMBO_CLOCK, "TCLK");
    Key(Qt::Key_Tab);  // leaving the field picks nothing either
    EXPECT_EQ(m_view->m_comboClock.GetCurSel(), -1);
    EXPECT_EQ(Text(IDC_COMBO_CLOCK), "TCLK");
    EXPECT_EQ(Text(IDC_EDIT_CLOCK), "3686400");
    // Without a clock source the BCR is composed as for "other clock".
    Click(IDC_BUTTON_CALC_CDV);
    EXPECT_EQ(Text(IDC_EDIT_CDV), "1");
    EXPECT_EQ(Text(IDC_EDIT_BCR), "???d0001");
    // Picking an item again selects it and writes its preset.
    Pick(IDC_COMBO_CLOCK, 1);
    EXPECT_EQ(m_view->m_comboClock.GetCurSel(), 1);
    EXPECT_EQ(Text(IDC_EDIT_CLOCK), "133000000");
}

TEST_F(FormTest, TypingIntoTheBaudListMakesTheTypedNumberTheRate) {
    struct Case {
        const char* typed;
        const char* cdv;  // null: the zero-rate error
    };
    for (const Case& c :
         {Case{"9600", "17"}, Case{" 115200", "1"}, Case{"OTHER", nullptr}, Case{"", nullptr}}) {
        TypeInto(IDC_COMBO_BAUD, c.typed);
        EXPECT_EQ(m_view->m_comboBaud.GetCurSel(), -1) << c.typed;
        TypeInto(IDC_EDIT_BAUD, "230400");  // the baud field does not count here
        const std::vector<BoxSeen> boxes = Click(IDC_BUTTON_CALC_CDV);
        if (c.cdv != nullptr) {
            EXPECT_TRUE(boxes.empty()) << c.typed;
            EXPECT_EQ(Text(IDC_EDIT_CDV), c.cdv) << c.typed;
        } else {
            ASSERT_EQ(boxes.size(), 1u) << c.typed;
            EXPECT_EQ(boxes[0].text, "Baud rate cannot be zero. Re-enter the baud rate.");
        }
        InitialUpdateAgain();
    }
}

TEST_F(FormTest, AListsFieldStopsTakingCharactersWhenFullWhileEditBoxesScroll) {
    const std::string digits(40, '1');
    TypeInto(IDC_COMBO_BAUD, digits);
    const std::string inList = Text(IDC_COMBO_BAUD);
    EXPECT_GT(inList.size(), 5u);
    EXPECT_LT(inList.size(), digits.size());
    TypeInto(IDC_EDIT_BAUD, digits);
    EXPECT_EQ(Text(IDC_EDIT_BAUD), digits);
    // Letters go into every edit box.
    for (int id : {IDC_EDIT_CLOCK, IDC_EDIT_BAUD, IDC_EDIT_CDV, IDC_EDIT_BCR}) {
        TypeInto(id, "abc");
        EXPECT_EQ(Text(id), "abc") << id;
    }
}

}  // namespace
