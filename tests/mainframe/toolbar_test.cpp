// The toolbar's buttons: enabled by the command route whenever the program is idle,
// and sending their commands when clicked.
#include <QLineEdit>
#include <QTest>

#include "framework/afx_ids.h"
#include "main_window_fixture.h"
#include "res/resource_ids.h"

namespace {

void ExpectButtonStates(MainWindowTest& test) {
    const struct {
        unsigned int command;
        bool enabled;
    } kButtons[] = {
        {ID_FILE_NEW, true},   {ID_FILE_OPEN, true},   {ID_FILE_SAVE, true},  {ID_EDIT_CUT, false},
        {ID_EDIT_COPY, false}, {ID_EDIT_PASTE, false}, {ID_FILE_PRINT, true}, {ID_APP_ABOUT, true},
    };
    for (const auto& button : kButtons) {
        EXPECT_EQ(test.Button(button.command)->isEnabled(), button.enabled) << button.command;
    }
}

TEST_F(MainWindowTest, IdleTimeEnablesTheButtonsSomebodyHandles) {
    ExpectButtonStates(*this);

    // A selection in an edit box changes nothing: the edit commands have no handler.
    auto* field = qobject_cast<QLineEdit*>(Control(IDC_EDIT_CDV));
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(field, "12");
    field->selectAll();
    RunUntilIdle();
    ExpectButtonStates(*this);
}

TEST_F(MainWindowTest, ButtonsSendTheirCommands) {
    for (unsigned int command : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_EDIT_CUT, ID_EDIT_COPY,
                                 ID_EDIT_PASTE, ID_FILE_PRINT, ID_APP_ABOUT}) {
        QTest::mouseClick(Button(command), Qt::LeftButton);
    }
    EXPECT_EQ(Calls(), (std::vector<std::string>{"app:new", "app:open", "doc:save", "view:print",
                                                 "app:about"}));
}

}  // namespace
