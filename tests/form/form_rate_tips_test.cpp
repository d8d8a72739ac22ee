// The rate tips of the CDV and BCR fields: what Calculate CDV puts there, and which later
// changes of the form take them away.
#include <functional>

#include "form_fixture.h"

namespace {

constexpr int kTclk = 1;
constexpr int kSclk0 = 2;
constexpr int k9600 = 2;
constexpr int k115200 = 6;
constexpr int k921600 = 9;
constexpr int kOtherBaud = 10;

constexpr const char* kDefaultsTip = "Actual baud rate 115200\nError 0.00% against 115200";

std::string Tip(const FormTest& f, int id) {
    return f.Widget(id)->toolTip().toStdString();
}

struct TipCase {
    const char* name;
    std::function<void(FormTest&)> arrange;
    const char* tip;
};

TEST_F(FormTest, CalculateCdvGivesTheActualRateAndItsErrorInBothResultTips) {
    EXPECT_EQ(Tip(*this, IDC_EDIT_CDV), "");
    EXPECT_EQ(Tip(*this, IDC_EDIT_BCR), "");
    const TipCase cases[] = {
        {"defaults", [](FormTest&) {}, kDefaultsTip},
        {"TCLK x8", [](FormTest& f) { f.Pick(IDC_COMBO_CLOCK, kTclk); },
         "Actual baud rate 115451\nError +0.22% against 115200"},
        {"SCLK0 921600 x1",
         [](FormTest& f) {
             f.Pick(IDC_COMBO_CLOCK, kSclk0);
             f.Pick(IDC_COMBO_BAUD, k921600);
             f.Click(IDC_RADIO_X1);
         },
         "Actual baud rate 925925\nError +0.47% against 921600"},
        {"OTHER typed, below the slowest rate the clock allows",
         [](FormTest& f) {
             f.Pick(IDC_COMBO_BAUD, kOtherBaud);
             f.TypeInto(IDC_EDIT_BAUD, "300000");
         },
         "Actual baud rate 460800\nError +53.60% against 300000"},
        {"rate typed into the list's own field",
         [](FormTest& f) { f.TypeInto(IDC_COMBO_BAUD, "9000"); },
         "Actual baud rate 9216\nError +2.40% against 9000"},
        {"MMCRH choosing x32",
         [](FormTest& f) {
             f.Pick(IDC_COMBO_BAUD, k9600);
             f.Click(IDC_RADIO_MMCRH);
             f.TypeInto(IDC_EDIT_MMCRH, "06000600");
         },
         "Actual baud rate 9600\nError 0.00% against 9600"},
    };
    for (const TipCase& c : cases) {
        SCOPED_TRACE(c.name);
        InitialUpdateAgain();
        c.arrange(*this);
        ASSERT_TRUE(Click(IDC_BUTTON_CALC_CDV).empty());
        EXPECT_EQ(Tip(*this, IDC_EDIT_CDV), c.tip);
        EXPECT_EQ(Tip(*this, IDC_EDIT_BCR), c.tip);
    }
}

struct StaleCase {
    const char* name;
    std::function<void(FormTest&)> change;
    bool tipsStay;
};

// The tips hold exactly while the form still reads what the calculation read and shows what
// it wrote; a change that the calculation ignores leaves them.
TEST_F(FormTest, RateTipsGoWhenTheirInputsOrResultsChange) {
    const StaleCase cases[] = {
        {"clock typed", [](FormTest& f) { f.TypeInto(IDC_EDIT_CLOCK, "7372800"); }, false},
        {"clock source picked", [](FormTest& f) { f.Pick(IDC_COMBO_CLOCK, kTclk); }, false},
        {"other baud rate picked", [](FormTest& f) { f.Pick(IDC_COMBO_BAUD, k9600); }, false},
        {"same baud rate picked again", [](FormTest& f) { f.Pick(IDC_COMBO_BAUD, k115200); }, true},
        {"rate typed into the list", [](FormTest& f) { f.TypeInto(IDC_COMBO_BAUD, "115200"); },
         false},
        {"baud field typed, preset selected",
         [](FormTest& f) { f.TypeInto(IDC_EDIT_BAUD, "1200"); }, true},
        {"other prescaler", [](FormTest& f) { f.Click(IDC_RADIO_X16); }, false},
        {"checked prescaler clicked again", [](FormTest& f) { f.Click(IDC_RADIO_X8); }, true},
        {"Other MMCRH value chosen", [](FormTest& f) { f.Click(IDC_RADIO_MMCRH); }, false},
        {"CDV field typed", [](FormTest& f) { f.TypeInto(IDC_EDIT_CDV, "2"); }, false},
        {"BCR field typed", [](FormTest& f) { f.TypeInto(IDC_EDIT_BCR, "10002"); }, false},
        {"Calculate Baud Rate, into a field the preset ignores",
         [](FormTest& f) { ASSERT_TRUE(f.Click(IDC_BUTTON_CALC_BAUD).empty()); }, true},
        {"the same Calculate CDV again",
         [](FormTest& f) { ASSERT_TRUE(f.Click(IDC_BUTTON_CALC_CDV).empty()); }, true},
        {"New with the form at its defaults", [](FormTest& f) { f.InitialUpdateAgain(); }, true},
    };
    for (const StaleCase& c : cases) {
        SCOPED_TRACE(c.name);
        InitialUpdateAgain();
        ASSERT_TRUE(Click(IDC_BUTTON_CALC_CDV).empty());
        ASSERT_EQ(Tip(*this, IDC_EDIT_CDV), kDefaultsTip);
        c.change(*this);
        const std::string expected = c.tipsStay ? kDefaultsTip : "";
        EXPECT_EQ(Tip(*this, IDC_EDIT_CDV), expected);
        EXPECT_EQ(Tip(*this, IDC_EDIT_BCR), expected);
    }
}

TEST_F(FormTest, RateTipsFollowTheLatestCalculationAndNewPutsTheirInputsBack) {
    // With "OTHER" the baud field is an input: Calculate Baud Rate writing it makes them stale.
    Pick(IDC_COMBO_BAUD, kOtherBaud);
    TypeInto(IDC_EDIT_BAUD, "115200");
    ASSERT_TRUE(Click(IDC_BUTTON_CALC_CDV).empty());
    EXPECT_EQ(Tip(*this, IDC_EDIT_CDV), kDefaultsTip);
    TypeInto(IDC_EDIT_CDV, "2");
    ASSERT_TRUE(Click(IDC_BUTTON_CALC_BAUD).empty());
    EXPECT_EQ(Text(IDC_EDIT_BAUD), "76800");
    EXPECT_EQ(Tip(*this, IDC_EDIT_CDV), "");

    // A failed calculation shows no tips; the next successful one does.
    Pick(IDC_COMBO_BAUD, kOtherBaud);
    EXPECT_EQ(Click(IDC_BUTTON_CALC_CDV).size(), 1u);
    EXPECT_EQ(Tip(*this, IDC_EDIT_BCR), "");
    Pick(IDC_COMBO_CLOCK, kTclk);
    Pick(IDC_COMBO_BAUD, k115200);
    ASSERT_TRUE(Click(IDC_BUTTON_CALC_CDV).empty());
    EXPECT_EQ(Tip(*this, IDC_EDIT_BCR), "Actual baud rate 115451\nError +0.22% against 115200");

    // New puts the clock source and the clock back without a notification from the controls.
    InitialUpdateAgain();
    EXPECT_EQ(Tip(*this, IDC_EDIT_CDV), "");
    EXPECT_EQ(Tip(*this, IDC_EDIT_BCR), "");
}

}  // namespace
