// Both calculations through clicks: results in the fields, errors in a box that
// leaves every field as it was.
#include <functional>

#include "form_fixture.h"

namespace {

constexpr const char* kBaudRateZero = "Baud rate cannot be zero. Re-enter the baud rate.";
constexpr const char* kMismatch =
    "RCDV value is different than TCDV value. These values must be identical.";
constexpr const char* kCdvInvalid = "The calculated CDV value invalid. Re-enter parameters.";

// Indexes in the two lists.
constexpr int kTclk = 1;
constexpr int kSclk0 = 2;
constexpr int kOtherClock = 3;
constexpr int k9600 = 2;
constexpr int k230400 = 7;
constexpr int k460800 = 8;
constexpr int k921600 = 9;
constexpr int kOtherBaud = 10;

TEST_F(FormTest, DefaultsCalculateBaudRateThenCdv) {
    EXPECT_TRUE(Click(IDC_BUTTON_CALC_BAUD).empty());
    EXPECT_EQ(Text(IDC_EDIT_BAUD), "460800");  // the empty CDV field reads as 0
    EXPECT_TRUE(Click(IDC_BUTTON_CALC_CDV).empty());
    EXPECT_EQ(Text(IDC_EDIT_CDV), "1");
    EXPECT_EQ(Text(IDC_EDIT_BCR), "10001");
    // The baud field holds a result now; with a preset selected CDV ignores it.
    TypeInto(IDC_EDIT_BAUD, "1");
    EXPECT_TRUE(Click(IDC_BUTTON_CALC_CDV).empty());
    EXPECT_EQ(Text(IDC_EDIT_CDV), "1");
}

struct CdvCase {
    const char* name;
    std::function<void(FormTest&)> arrange;
    const char* cdv;
    const char* bcr;
};

TEST_F(FormTest, CalculateCdvFromTheFormsChoices) {
    const CdvCase cases[] = {
        {"x1", [](FormTest& f) { f.Click(IDC_RADIO_X1); }, "f", "1000f"},
        {"9600 x16",
         [](FormTest& f) {
             f.Pick(IDC_COMBO_BAUD, k9600);
             f.Click(IDC_RADIO_X16);
         },
         "b", "1000b"},
        {"TCLK",
         [](FormTest& f) {
             f.Pick(IDC_COMBO_CLOCK, kTclk);
             f.Click(IDC_RADIO_X8);
         },
         "47", "210047"},
        {"SCLK0 921600 x1",
         [](FormTest& f) {
             f.Pick(IDC_COMBO_CLOCK, kSclk0);
             f.Pick(IDC_COMBO_BAUD, k921600);
             f.Click(IDC_RADIO_X1);
         },
         "35", "90035"},
        {"other clock, clock typed",
         [](FormTest& f) {
             f.Pick(IDC_COMBO_CLOCK, kOtherClock);
             f.TypeInto(IDC_EDIT_CLOCK, "3686400");
         },
         "1", "???d0001"},
        {"230400 gives q 1", [](FormTest& f) { f.Pick(IDC_COMBO_BAUD, k230400); }, "0", "10000"},
        {"460800: clock equals p", [](FormTest& f) { f.Pick(IDC_COMBO_BAUD, k460800); }, "0",
         "10000"},
        {"MMCRH factor 32",
         [](FormTest& f) {
             f.Click(IDC_RADIO_MMCRH);
             f.TypeInto(IDC_EDIT_MMCRH, "06000600");
         },
         "0", "10000"},
        {"OTHER typed 1 x1",
         [](FormTest& f) {
             f.Pick(IDC_COMBO_BAUD, kOtherBaud);
             f.TypeInto(IDC_EDIT_BAUD, "1");
             f.Click(IDC_RADIO_X1);
         },
         "1c1fff", "1d1fff"},
        {"OTHER typed -115200",
         [](FormTest& f) {
             f.Pick(IDC_COMBO_BAUD, kOtherBaud);
             f.TypeInto(IDC_EDIT_BAUD, "-115200");
         },
         "fffffffd", "fffffffd"},
        {"MMCRH text ignored once x16 is chosen",
         [](FormTest& f) {
             f.Click(IDC_RADIO_MMCRH);
             f.TypeInto(IDC_EDIT_MMCRH, "200");
             f.Click(IDC_RADIO_X16);
             f.Pick(IDC_COMBO_BAUD, k9600);
         },
         "b", "1000b"},
    };
    for (const CdvCase& c : cases) {
        c.arrange(*this);
        EXPECT_TRUE(Click(IDC_BUTTON_CALC_CDV).empty()) << c.name;
        EXPECT_EQ(Text(IDC_EDIT_CDV), c.cdv) << c.name;
        EXPECT_EQ(Text(IDC_EDIT_BCR), c.bcr) << c.name;
        InitialUpdateAgain();
    }
}

TEST_F(FormTest, CalculateBaudRateFromTheCdvField) {
    struct Case {
        const char* clock;
        const char* cdv;
        int radio;
        const char* baud;
    };
    for (const Case& c : {Case{"3686400", "1", IDC_RADIO_X8, "115200"},
                          Case{"3686400", "f", IDC_RADIO_X1, "115200"},
                          Case{"3686400", "0", IDC_RADIO_X8, "460800"},
                          Case{"133000000", "47", IDC_RADIO_X8, "115451"},
                          Case{"100000000", "35", IDC_RADIO_X1, "925925"},
                          Case{"-3686400", "1", IDC_RADIO_X8, "-115200"}}) {
        TypeInto(IDC_EDIT_CLOCK, c.clock);
        TypeInto(IDC_EDIT_CDV, c.cdv);
        Click(c.radio);
        EXPECT_TRUE(Click(IDC_BUTTON_CALC_BAUD).empty()) << c.clock << " " << c.cdv;
        EXPECT_EQ(Text(IDC_EDIT_BAUD), c.baud) << c.clock << " " << c.cdv;
        // The list keeps its selection.
        EXPECT_EQ(m_view->m_comboBaud.GetCurSel(), 6);
    }
}

struct ErrorCase {
    const char* name;
    std::function<void(FormTest&)> arrange;
    int button;
    const char* message;
};

TEST_F(FormTest, FailedCalculationShowsTheMessageAndChangesNoField) {
    const auto run = [this](const ErrorCase& c) {
        c.arrange(*this);
        const FormState before = State();
        const std::vector<BoxSeen> boxes = Click(c.button);
        ASSERT_EQ(boxes.size(), 1u) << c.name;
        EXPECT_EQ(boxes[0].title, "ERROR") << c.name;
        EXPECT_EQ(boxes[0].text, c.message) << c.name;
        EXPECT_FALSE(boxes[0].hasIcon) << c.name;
        EXPECT_TRUE(boxes[0].okOnly) << c.name;
        EXPECT_TRUE(boxes[0].ownedByTheWindow) << c.name;
        EXPECT_EQ(State(), before) << c.name;
    };
    // Earlier results stand in the fields, so that a change would show.
    Click(IDC_BUTTON_CALC_CDV);
    Click(IDC_BUTTON_CALC_BAUD);
    ASSERT_EQ(State(), (FormState{"3686400", "", "115200", "1", "10001", 0, 6}));
    const ErrorCase cases[] = {
        {"OTHER gives 0", [](FormTest& f) { f.Pick(IDC_COMBO_BAUD, kOtherBaud); },
         IDC_BUTTON_CALC_CDV, kBaudRateZero},
        {"OTHER with an empty field",
         [](FormTest& f) {
             f.Pick(IDC_COMBO_BAUD, kOtherBaud);
             f.TypeInto(IDC_EDIT_BAUD, "");
         },
         IDC_BUTTON_CALC_CDV, kBaudRateZero},
        {"OTHER without digits beats a mismatch",
         [](FormTest& f) {
             f.Pick(IDC_COMBO_BAUD, kOtherBaud);
             f.TypeInto(IDC_EDIT_BAUD, "fast");
             f.Click(IDC_RADIO_MMCRH);
             f.TypeInto(IDC_EDIT_MMCRH, "200");
         },
         IDC_BUTTON_CALC_CDV, kBaudRateZero},
        {"MMCRH mismatch, CDV",
         [](FormTest& f) {
             f.Click(IDC_RADIO_MMCRH);
             f.TypeInto(IDC_EDIT_MMCRH, "200");
         },
         IDC_BUTTON_CALC_CDV, kMismatch},
        {"MMCRH mismatch, baud rate",
         [](FormTest& f) {
             f.Click(IDC_RADIO_MMCRH);
             f.TypeInto(IDC_EDIT_MMCRH, "200");
         },
         IDC_BUTTON_CALC_BAUD, kMismatch},
        {"other clock gives clock 0", [](FormTest& f) { f.Pick(IDC_COMBO_CLOCK, kOtherClock); },
         IDC_BUTTON_CALC_CDV, kCdvInvalid},
        {"921600 with x8", [](FormTest& f) { f.Pick(IDC_COMBO_BAUD, k921600); },
         IDC_BUTTON_CALC_CDV, kCdvInvalid},
        {"zero divisor of the baud rate", [](FormTest& f) { f.TypeInto(IDC_EDIT_CDV, "ffffffff"); },
         IDC_BUTTON_CALC_BAUD, kCdvInvalid},
    };
    for (const ErrorCase& c : cases) {
        run(c);
        InitialUpdateAgain();
        TypeInto(IDC_EDIT_BAUD, "115200");
        TypeInto(IDC_EDIT_CDV, "1");
        TypeInto(IDC_EDIT_MMCRH, "");
    }
}

TEST_F(FormTest, FieldsAreReadByTheirFirstNineteenCharacters) {
    struct Case {
        int field;
        const char* text;
        int button;
        int resultField;
        const char* result;
    };
    for (const Case& c : {
             // 19 characters that read 3686400, then digits that would change it.
             Case{IDC_EDIT_CLOCK, "0000000000003686400999", IDC_BUTTON_CALC_CDV, IDC_EDIT_CDV, "1"},
             // Twenty zeros and then the clock: only zeros take part.
             Case{IDC_EDIT_CDV, "00000000000000000001f", IDC_BUTTON_CALC_BAUD, IDC_EDIT_BAUD,
                  "460800"},
             Case{IDC_EDIT_CDV, "0000000000000000001f", IDC_BUTTON_CALC_BAUD, IDC_EDIT_BAUD,
                  "115200"},
         }) {
        TypeInto(c.field, c.text);
        ASSERT_EQ(Text(c.field), c.text);  // the field itself holds all of it
        EXPECT_TRUE(Click(c.button).empty()) << c.text;
        EXPECT_EQ(Text(c.resultField), c.result) << c.text;
        InitialUpdateAgain();
    }
    TypeInto(IDC_EDIT_CLOCK, "00000000000000000003686400");
    EXPECT_EQ(Click(IDC_BUTTON_CALC_CDV).size(), 1u);  // the clock reads as 0
}

}  // namespace
