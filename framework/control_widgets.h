// Inside the layer: the widgets that realise the control classes, where Qt's own
// widgets behave differently from what the controls promise.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "framework/afx_types.h"

// The text field of edit boxes and combo boxes. A field that does not scroll
// horizontally refuses a user edit that would make its text wider than the field.
class AfxLineEdit : public QLineEdit {
public:
    explicit AfxLineEdit(QWidget* parent);

    void SetLimitedToWidth(bool limited) { m_limitedToWidth = limited; }
    bool TextFits(const QString& text) const;
    // Called after each user edit that the field kept (never for set texts).
    std::function<void()> m_onUserEdit;

private:
    void OnTextEdited();

    bool m_limitedToWidth = false;
    QString m_lastText;
    int m_lastCursor = 0;
};

// Push buttons are never default buttons by themselves: Enter presses the button
// that has the focus, and only the one created as the default button otherwise.
class AfxPushButton : public QPushButton {
public:
    AfxPushButton(bool isDefault, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Radio buttons are exclusive within their dialog group (WS_GROUP), not within
// their Qt parent. An automatic one checks itself and clears the other automatic
// radio buttons of its group when clicked; a plain one leaves checking to its parent.
class AfxRadioButton : public QRadioButton {
public:
    AfxRadioButton(bool automatic, QWidget* parent);

protected:
    void nextCheckState() override;

private:
    bool m_automatic;
};

// A plain check box leaves checking to its parent; an automatic one toggles.
class AfxCheckBox : public QCheckBox {
public:
    AfxCheckBox(bool automatic, QWidget* parent);

protected:
    void nextCheckState() override;

private:
    bool m_automatic;
};

// Combo boxes keep their own current selection: typing into the field leaves the
// list without one (-1) while Qt's current item stays where it was.
class AfxComboBox : public QComboBox {
public:
    AfxComboBox(DWORD style, int dropHeight, QWidget* parent);

    int Selection() const { return m_selection; }
    // Programmatic selection: the field shows the item's text; nothing is raised.
    LRESULT Select(int index);
    LRESULT AddText(const QString& text);
    AfxLineEdit* Field() const { return m_field; }

    void showPopup() override;

protected:
    void changeEvent(QEvent* event) override;
    // The wheel changes the selection only of the list that has the focus, so that
    // scrolling over a form never picks items by the way.
    void wheelEvent(QWheelEvent* event) override;

private:
    void OnUserPick(int index);
    // The closed control is as high as the platform makes it for the font; the
    // height given at creation is that of the dropped-down list.
    void KeepClosedHeight();

    bool m_sorted;
    int m_dropHeight;
    int m_selection = -1;
    AfxLineEdit* m_field = nullptr;
};
