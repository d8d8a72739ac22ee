// Building a dialog template into windows: dialog units, groups, tab order, the
// dialog-initialisation list data and the names fields take from their labels.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QRadioButton>
#include <array>
#include <string>
#include <vector>

#include "framework/controls.h"
#include "framework/dialog_builder.h"
#include "framework/dialog_navigation.h"
#include "qt_app_fixture.h"
#include "small_dialog.h"

using namespace small_dialog;

namespace {

TEST(DialogUnits, ConvertWithTheFontsBaseUnitsRoundingHalvesUp) {
    const DialogBaseUnits units{6, 13};
    struct Case {
        int dialogUnits;
        int pixelsX;
        int pixelsY;
    };
    for (const Case& c : std::vector<Case>{{0, 0, 0},
                                           {1, 2, 2},
                                           {2, 3, 3},
                                           {4, 6, 7},
                                           {8, 12, 13},
                                           {250, 375, 406},
                                           {237, 356, 385},
                                           {-1, -2, -2}}) {
        EXPECT_EQ(units.ToPixelsX(c.dialogUnits), c.pixelsX) << c.dialogUnits;
        EXPECT_EQ(units.ToPixelsY(c.dialogUnits), c.pixelsY) << c.dialogUnits;
    }
}

TEST(DialogUnits, BaseUnitsAreTheAverageLetterWidthAndTheFontHeight) {
    const QFont font = AfxDialogFont(kTemplate);
    EXPECT_EQ(font.pointSize(), 8);
    const QFontMetrics metrics(font);
    int letters = 0;
    for (char c = 'A'; c <= 'Z'; ++c) {
        letters += metrics.horizontalAdvance(QChar(c)) + metrics.horizontalAdvance(QChar(c + 32));
    }
    const DialogBaseUnits units = AfxDialogBaseUnits(font);
    EXPECT_NEAR(units.cx, letters / 52.0, 1.0);
    EXPECT_EQ(units.cy, metrics.height());
}

TEST(DialogTemplate, ControlsStandWhereTheTemplateSaysInPixels) {
    CRecordingDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(&kTemplate));
    const DialogBaseUnits units = AfxDialogBaseUnits(AfxDialogFont(kTemplate));
    EXPECT_EQ(dialog.m_hWnd->size(),
              QSize(units.ToPixelsX(kTemplate.cx), units.ToPixelsY(kTemplate.cy)));
    EXPECT_EQ(
        Widget(dialog, kEditWide)->geometry(),
        QRect(units.ToPixelsX(50), units.ToPixelsY(5), units.ToPixelsX(60), units.ToPixelsY(12)));
    // A combo box's template height is that of its dropped-down list; closed, it is
    // as high as the platform makes it.
    QWidget* combo = Widget(dialog, kComboFixed);
    EXPECT_EQ(combo->pos(), QPoint(units.ToPixelsX(5), units.ToPixelsY(60)));
    EXPECT_EQ(combo->width(), units.ToPixelsX(50));
    EXPECT_EQ(combo->height(), combo->sizeHint().height());
    EXPECT_LT(combo->height(), units.ToPixelsY(50));
    // Template order is creation order.
    std::vector<int> ids;
    for (CWnd* w = dialog.GetWindow(GW_CHILD); w != nullptr; w = w->GetWindow(GW_HWNDNEXT)) {
        ids.push_back(w->GetDlgCtrlID());
    }
    std::vector<int> expected;
    for (const DialogItemTemplate& item : kItems) {
        expected.push_back(item.id);
    }
    EXPECT_EQ(ids, expected);
}

TEST(DialogTemplate, GroupsRunFromOneGroupStyleToTheNext) {
    CRecordingDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(&kTemplate));
    const auto groupIds = [&](int id) {
        std::vector<int> ids;
        for (HWND member : AfxDialogGroup(Widget(dialog, id))) {
            ids.push_back(CWnd::FromHandle(member)->GetDlgCtrlID());
        }
        return ids;
    };
    EXPECT_EQ(groupIds(kRadioA), (std::vector<int>{-1, kEditWide, kRadioA, kRadioB}));
    EXPECT_EQ(groupIds(kRadioD),
              (std::vector<int>{-1, kRadioC, kRadioD, kEditNarrow, kComboFixed, kComboScrolling,
                                kButtonGo, IDOK, kEditDisabled}));
}

TEST(DialogTemplate, AutomaticRadioButtonsAreExclusiveWithinTheirGroupOnly) {
    CRecordingDialog dialog;
    ShowActive(dialog);
    const auto checks = [&]() {
        std::array<LRESULT, 4> state{};
        for (int i = 0; i < 4; ++i) {
            state[static_cast<size_t>(i)] =
                dialog.GetDlgItem(kRadioA + i)->SendMessage(BM_GETCHECK);
        }
        return state;
    };
    QTest::mouseClick(Widget(dialog, kRadioA), Qt::LeftButton);
    QTest::mouseClick(Widget(dialog, kRadioC), Qt::LeftButton);
    EXPECT_EQ(checks(), (std::array<LRESULT, 4>{1, 0, 1, 0}));
    QTest::mouseClick(Widget(dialog, kRadioB), Qt::LeftButton);
    EXPECT_EQ(checks(), (std::array<LRESULT, 4>{0, 1, 1, 0}));
    // Clicking the checked button keeps it checked.
    QTest::mouseClick(Widget(dialog, kRadioB), Qt::LeftButton);
    EXPECT_EQ(checks(), (std::array<LRESULT, 4>{0, 1, 1, 0}));
    // A check set by message sets that button alone and tells nobody.
    dialog.m_notes.clear();
    dialog.GetDlgItem(kRadioD)->SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(checks(), (std::array<LRESULT, 4>{0, 1, 1, 1}));
    EXPECT_TRUE(dialog.m_notes.empty());
    // Space on a focused radio button is a click too.
    Widget(dialog, kRadioA)->setFocus();
    QTest::keyClick(Widget(dialog, kRadioA), Qt::Key_Space);
    EXPECT_EQ(checks(), (std::array<LRESULT, 4>{1, 0, 1, 1}));
    EXPECT_EQ(dialog.m_notes, (Notes{{kRadioA, BN_CLICKED}}));
}

std::vector<int> TabWalk(CWnd& dialog, Qt::KeyboardModifiers modifiers, int steps) {
    std::vector<int> ids;
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        CWnd* focus = CWnd::FromHandle(AfxDialogFocusItem(dialog.m_hWnd));
        ids.push_back(focus != nullptr ? focus->GetDlgCtrlID() : 0);
    }
    return ids;
}

TEST(DialogTemplate, TabFollowsTemplateOrderOverEnabledTabStopsAndWraps) {
    CRecordingDialog dialog;
    ShowActive(dialog);
    // The first tab stop has the focus after creation.
    EXPECT_EQ(CWnd::FromHandle(AfxDialogFocusItem(dialog.m_hWnd))->GetDlgCtrlID(), kEditWide);
    EXPECT_EQ(
        TabWalk(dialog, Qt::NoModifier, 6),
        (std::vector<int>{kEditNarrow, kComboFixed, kComboScrolling, kButtonGo, IDOK, kEditWide}));
    EXPECT_EQ(TabWalk(dialog, Qt::ShiftModifier, 2), (std::vector<int>{IDOK, kButtonGo}));
    dialog.GetDlgItem(kEditDisabled)->EnableWindow(TRUE);
    dialog.GetDlgItem(kEditNarrow)->EnableWindow(FALSE);
    EXPECT_EQ(TabWalk(dialog, Qt::NoModifier, 4),
              (std::vector<int>{IDOK, kEditDisabled, kEditWide, kComboFixed}));
}

// Records as the resource stores them: id, message 0x0403, length, text and zero.
std::vector<BYTE> ListData(const std::vector<std::pair<int, std::string>>& items) {
    std::vector<BYTE> bytes;
    const auto put = [&](unsigned value, int width) {
        for (int i = 0; i < width; ++i) {
            bytes.push_back(static_cast<BYTE>(value >> (8 * i)));
        }
    };
    for (const auto& [id, text] : items) {
        put(static_cast<unsigned>(id), 2);
        put(0x0403, 2);
        put(static_cast<unsigned>(text.size() + 1), 4);
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.push_back(0);
    }
    put(0, 2);
    return bytes;
}

TEST(DialogInitData, RecordsAreParsedInOrder) {
    const std::vector<BYTE> bytes = ListData({{kComboFixed, "one"}, {kComboScrolling, "two 2"}});
    ASSERT_EQ(bytes.size(), 2 * 8 + 4 + 6 + 2u);
    const auto records = AfxParseDialogInit(bytes);
    ASSERT_TRUE(records.has_value());
    ASSERT_EQ(records->size(), 2u);
    EXPECT_EQ((*records)[0].controlId, kComboFixed);
    EXPECT_EQ((*records)[0].message, 0x0403u);
    EXPECT_EQ((*records)[0].text, "one");
    EXPECT_EQ((*records)[1].controlId, kComboScrolling);
    EXPECT_EQ((*records)[1].text, "two 2");
    EXPECT_EQ(AfxParseDialogInit(std::vector<BYTE>{0, 0}).value().size(), 0u);
}

TEST(DialogInitData, MalformedDataIsRefused) {
    const std::vector<BYTE> good = ListData({{kComboFixed, "one"}});
    struct Case {
        const char* name;
        std::vector<BYTE> bytes;
    };
    std::vector<Case> cases{
        {"empty", {}},
        {"no end marker", std::vector<BYTE>(good.begin(), good.end() - 2)},
        {"cut inside the text", std::vector<BYTE>(good.begin(), good.begin() + 10)},
        {"cut inside the header", std::vector<BYTE>(good.begin(), good.begin() + 5)},
        {"length past the end", good},
        {"text without its zero", good},
    };
    cases[4].bytes[4] = 200;
    cases[5].bytes[good.size() - 3] = 'x';
    for (const Case& c : cases) {
        EXPECT_FALSE(AfxParseDialogInit(c.bytes).has_value()) << c.name;
    }
}

TEST(DialogInitData, FillsTheListsWithoutSelectingAnything) {
    CRecordingDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(&kTemplate));
    const std::vector<BYTE> bytes =
        ListData({{kComboFixed, "b"}, {kComboFixed, "a"}, {kComboScrolling, "z"}});
    ASSERT_TRUE(AfxApplyDialogInit(dialog.m_hWnd, bytes));
    CComboBox combo;
    ASSERT_TRUE(combo.SubclassWindow(Widget(dialog, kComboFixed)));
    ASSERT_EQ(combo.GetCount(), 2);
    CString text;
    combo.GetLBText(0, text);
    EXPECT_EQ(text, CString("b"));  // unsorted: the order of the records
    combo.GetLBText(1, text);
    EXPECT_EQ(text, CString("a"));
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    combo.GetWindowText(text);
    EXPECT_EQ(text, CString(""));
    EXPECT_TRUE(dialog.m_notes.empty());
    // Data for a control that is not there fails.
    EXPECT_FALSE(AfxApplyDialogInit(dialog.m_hWnd, ListData({{999, "x"}})));
}

TEST(DialogTemplate, FieldsAreNamedByTheLabelBeforeThemOrAboveThem) {
    CRecordingDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(&kTemplate));
    EXPECT_EQ(Widget(dialog, kEditWide)->accessibleName(), QString("First :"));
    EXPECT_EQ(Widget(dialog, kEditNarrow)->accessibleName(), QString("Second :"));
    // Above it, nearest first, whatever stands in between.
    EXPECT_EQ(Widget(dialog, kComboFixed)->accessibleName(), QString("Second :"));
    EXPECT_EQ(Widget(dialog, kComboScrolling)->accessibleName(), QString());
}

}  // namespace
