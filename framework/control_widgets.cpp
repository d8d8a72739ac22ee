#include "framework/control_widgets.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWheelEvent>
#include <algorithm>

#include "framework/afx_messages.h"
#include "framework/afx_styles.h"
#include "framework/dialog_navigation.h"
#include "framework/window_class.h"

namespace {

// QLineEdit keeps this many pixels free on each side of its text.
constexpr int kLineEditInnerMargin = 2;

// The automatic radio buttons of a group are exclusive; BM_SETCHECK sets one alone.
void ClearOtherAutoRadios(QWidget* checked) {
    for (HWND member : AfxDialogGroup(checked)) {
        auto* radio = dynamic_cast<AfxRadioButton*>(member);
        const WindowData* data = AfxGetWindowData(member);
        if (radio != nullptr && member != checked && data != nullptr &&
            (data->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
            radio->setChecked(false);
        }
    }
}

}  // namespace

AfxLineEdit::AfxLineEdit(QWidget* parent) : QLineEdit(parent) {
    // textEdited comes before textChanged and the cursor move, so these keep the
    // state from before the user's edit until the edit has been judged.
    connect(this, &QLineEdit::textEdited, this, [this]() { OnTextEdited(); });
    connect(this, &QLineEdit::textChanged, this, [this]() { m_lastText = text(); });
    connect(this, &QLineEdit::cursorPositionChanged, this,
            [this](int, int now) { m_lastCursor = now; });
}

bool AfxLineEdit::TextFits(const QString& candidate) const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    area = area.marginsRemoved(textMargins());
    return fontMetrics().horizontalAdvance(candidate) <= area.width() - 2 * kLineEditInnerMargin;
}

void AfxLineEdit::OnTextEdited() {
    const QString now = text();
    if (m_limitedToWidth && now.size() > m_lastText.size() && !TextFits(now)) {
        const QString before = m_lastText;
        const int cursor = m_lastCursor;
        setText(before);
        setCursorPosition(cursor);
        QApplication::beep();
        return;
    }
    if (m_onUserEdit) {
        m_onUserEdit();
    }
}

AfxPushButton::AfxPushButton(bool isDefault, QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    setDefault(isDefault);
}

void AfxPushButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

AfxRadioButton::AfxRadioButton(bool automatic, QWidget* parent)
    : QRadioButton(parent), m_automatic(automatic) {
    setAutoExclusive(false);
}

void AfxRadioButton::nextCheckState() {
    if (!m_automatic) {
        return;
    }
    setChecked(true);
    ClearOtherAutoRadios(this);
}

AfxCheckBox::AfxCheckBox(bool automatic, QWidget* parent)
    : QCheckBox(parent), m_automatic(automatic) {}

void AfxCheckBox::nextCheckState() {
    if (m_automatic) {
        QCheckBox::nextCheckState();
    }
}

AfxComboBox::AfxComboBox(DWORD style, int dropHeight, QWidget* parent)
    : QComboBox(parent), m_sorted((style & CBS_SORT) != 0), m_dropHeight(dropHeight) {
    setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if ((style & CBS_TYPEMASK) != CBS_DROPDOWNLIST) {
        m_field = new AfxLineEdit(this);
        setLineEdit(m_field);
        setCompleter(nullptr);
        // Qt picks a matching item itself when the field loses the focus or takes
        // Enter; the field's text counts only through what the user picks.
        QObject::disconnect(m_field, &QLineEdit::editingFinished, this, nullptr);
        QObject::disconnect(m_field, &QLineEdit::returnPressed, this, nullptr);
        m_field->SetLimitedToWidth((style & CBS_AUTOHSCROLL) == 0);
        // Typing leaves the list without a selection; the parent hears of the edit.
        m_field->m_onUserEdit = [this]() {
            m_selection = -1;
            AfxNotifyParent(this, CBN_EDITCHANGE);
        };
    }
    connect(this, &QComboBox::activated, this, [this](int index) { OnUserPick(index); });
    KeepClosedHeight();
}

LRESULT AfxComboBox::Select(int index) {
    if (index < 0 || index >= count()) {
        m_selection = -1;
        setCurrentIndex(-1);
        if (m_field != nullptr) {
            m_field->setText(QString());
        }
        return CB_ERR;
    }
    m_selection = index;
    setCurrentIndex(index);
    if (m_field != nullptr) {
        // Qt leaves a typed text in place when the index does not change.
        m_field->setText(itemText(index));
    }
    return index;
}

LRESULT AfxComboBox::AddText(const QString& text) {
    int at = count();
    if (m_sorted) {
        for (int i = 0; i < count(); ++i) {
            if (QString::compare(text, itemText(i), Qt::CaseInsensitive) < 0) {
                at = i;
                break;
            }
        }
    }
    // Qt makes the first item current, and shows it in the field; the control has
    // no selection until one is made.
    const QString fieldText = m_field != nullptr ? m_field->text() : QString();
    insertItem(at, text);
    if (m_selection >= at) {
        ++m_selection;
    }
    if (m_selection < 0) {
        setCurrentIndex(-1);
    }
    if (m_field != nullptr && m_field->text() != fieldText) {
        m_field->setText(fieldText);
    }
    return at;
}

void AfxComboBox::changeEvent(QEvent* event) {
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        KeepClosedHeight();
    }
}

void AfxComboBox::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void AfxComboBox::KeepClosedHeight() {
    setFixedHeight(sizeHint().height());
}

void AfxComboBox::showPopup() {
    const int row = count() > 0 ? view()->sizeHintForRow(0) : 0;
    if (row > 0) {
        setMaxVisibleItems(std::max(1, (m_dropHeight - height()) / row));
    }
    QComboBox::showPopup();
}

void AfxComboBox::OnUserPick(int index) {
    m_selection = index;
    AfxNotifyParent(this, CBN_SELCHANGE);
}
