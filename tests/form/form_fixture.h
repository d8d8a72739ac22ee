// The calculator form in a frame window on the offscreen platform, driven with real
// mouse and key events. Every click closes the message boxes it raises and reports
// them, so that no modal box is ever left waiting.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <string>
#include <vector>

#include "form/quarvel_view.h"
#include "framework/frame_wnd.h"

// What a message box showed before the test closed it.
struct BoxSeen {
    std::string title;
    std::string text;
    bool hasIcon = false;
    bool okOnly = false;
    bool ownedByTheWindow = false;
};

// The five edit fields and the two list selections: the form's whole state.
struct FormState {
    std::string clock, mmcrh, baud, cdv, bcr;
    int clockSource = 0;
    int baudIndex = 0;
    bool operator==(const FormState&) const = default;
};

class FormTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

public:
    QWidget* Widget(int id) const;
    std::string Text(int id) const;
    bool Checked(int id) const;
    FormState State() const;

    // A left click on a control; returns the boxes it raised.
    std::vector<BoxSeen> Click(int id);
    // Picks a list item with the mouse from the dropped-down list.
    void Pick(int comboId, int index);
    // Puts the focus into a field, selects its text and types over it.
    void TypeInto(int id, const std::string& text);
    // Sends a key to the focused widget; returns the boxes it raised.
    std::vector<BoxSeen> Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // The control id of the form control that has the focus (0 for none).
    int FocusId() const;
    // The initial update again, as after New or Open.
    void InitialUpdateAgain();

    CFrameWnd* m_frame = nullptr;
    CQuarvelView* m_view = nullptr;
};
