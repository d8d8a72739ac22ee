// The control window classes: which widget realises each kind of control, and the
// class procedures that answer the control messages.
#include <QApplication>
#include <QBuffer>
#include <QGroupBox>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <cstdlib>
#include <limits>

#include "framework/afx_messages.h"
#include "framework/afx_styles.h"
#include "framework/control_widgets.h"
#include "framework/controls.h"
#include "framework/resources.h"
#include "framework/window_class.h"

namespace {

LPCTSTR TextParam(LPARAM lParam) {
    return reinterpret_cast<LPCTSTR>(lParam);
}

std::string Utf8(const QString& text) {
    return text.toStdString();
}

// Qt's own focus chain (Tab from outside a dialog) only reaches tab stops; a click
// still gives any control the focus.
QWidget* WithTabStop(QWidget* widget, DWORD style) {
    if ((style & WS_TABSTOP) == 0 && widget->focusPolicy() != Qt::NoFocus) {
        widget->setFocusPolicy(Qt::ClickFocus);
    }
    return widget;
}

// WM_GETTEXT and WM_GETTEXTLENGTH on a control whose text lives in the widget.
bool AnswerTextQuery(const QString& text, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT* result) {
    if (message == WM_GETTEXT) {
        *result = AfxCopyText(Utf8(text), wParam, lParam);
        return true;
    }
    if (message == WM_GETTEXTLENGTH) {
        *result = static_cast<LRESULT>(Utf8(text).size());
        return true;
    }
    return false;
}

// Buttons: push buttons, radio buttons, check boxes and group boxes.

QWidget* CreateButton(const CREATESTRUCT& cs, QWidget* parent) {
    const auto style = static_cast<DWORD>(cs.style);
    switch (style & BS_TYPEMASK) {
        case BS_AUTORADIOBUTTON:
        case BS_RADIOBUTTON: {
            auto* radio = new AfxRadioButton((style & BS_TYPEMASK) == BS_AUTORADIOBUTTON, parent);
            QObject::connect(radio, &QAbstractButton::clicked, radio,
                             [radio]() { AfxNotifyParent(radio, BN_CLICKED); });
            return WithTabStop(radio, style);
        }
        case BS_AUTOCHECKBOX:
        case BS_CHECKBOX: {
            auto* check = new AfxCheckBox((style & BS_TYPEMASK) == BS_AUTOCHECKBOX, parent);
            QObject::connect(check, &QAbstractButton::clicked, check,
                             [check]() { AfxNotifyParent(check, BN_CLICKED); });
            return WithTabStop(check, style);
        }
        case BS_GROUPBOX: {
            auto* group = new QGroupBox(parent);
            group->setFocusPolicy(Qt::NoFocus);
            return group;
        }
        default: {
            auto* button = new AfxPushButton((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON, parent);
            QObject::connect(button, &QAbstractButton::clicked, button,
                             [button]() { AfxNotifyParent(button, BN_CLICKED); });
            return WithTabStop(button, style);
        }
    }
}

LRESULT ButtonProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (auto* group = qobject_cast<QGroupBox*>(hWnd)) {
        LRESULT result = 0;
        if (AnswerTextQuery(group->title(), message, wParam, lParam, &result)) {
            return result;
        }
        if (message == WM_SETTEXT) {
            group->setTitle(AfxQString(TextParam(lParam)));
            return TRUE;
        }
        return AfxDefaultWindowProc(hWnd, message, wParam, lParam);
    }
    auto* button = qobject_cast<QAbstractButton*>(hWnd);
    if (button == nullptr) {
        return AfxDefaultWindowProc(hWnd, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (AnswerTextQuery(button->text(), message, wParam, lParam, &result)) {
        return result;
    }
    switch (message) {
        case WM_SETTEXT:
            button->setText(AfxQString(TextParam(lParam)));
            return TRUE;
        case BM_GETCHECK:
            return button->isCheckable() && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
        case BM_SETCHECK:
            if (button->isCheckable()) {
                button->setChecked(wParam == BST_CHECKED);
            }
            return 0;
        default:
            return AfxDefaultWindowProc(hWnd, message, wParam, lParam);
    }
}

// Edit boxes.

QWidget* CreateEdit(const CREATESTRUCT& cs, QWidget* parent) {
    const auto style = static_cast<DWORD>(cs.style);
    auto* edit = new AfxLineEdit(parent);
    edit->SetLimitedToWidth((style & ES_AUTOHSCROLL) == 0);
    edit->setReadOnly((style & ES_READONLY) != 0);
    edit->setFrame((style & WS_BORDER) != 0 || (cs.dwExStyle & WS_EX_CLIENTEDGE) != 0);
    edit->m_onUserEdit = [edit]() { AfxNotifyParent(edit, EN_CHANGE); };
    return WithTabStop(edit, style);
}

LRESULT EditProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* edit = qobject_cast<QLineEdit*>(hWnd);
    if (edit == nullptr) {
        return AfxDefaultWindowProc(hWnd, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (AnswerTextQuery(edit->text(), message, wParam, lParam, &result)) {
        return result;
    }
    switch (message) {
        case WM_SETTEXT:
            edit->setText(AfxQString(TextParam(lParam)));
            return TRUE;
        case EM_SETSEL: {
            const auto start = static_cast<int>(static_cast<std::intptr_t>(wParam));
            const auto end = static_cast<int>(lParam);
            const int length = static_cast<int>(edit->text().size());
            const int from = std::clamp(start, 0, length);
            const int to = end < 0 ? length : std::clamp(end, 0, length);
            edit->setSelection(from, to - from);
            return 0;
        }
        case EM_LIMITTEXT:
            edit->setMaxLength(wParam == 0 ? 32767 : static_cast<int>(wParam));
            return 0;
        default:
            return AfxDefaultWindowProc(hWnd, message, wParam, lParam);
    }
}

// Static texts and icons.

QWidget* CreateStatic(const CREATESTRUCT& cs, QWidget* parent) {
    const auto style = static_cast<DWORD>(cs.style);
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setFocusPolicy(Qt::NoFocus);
    switch (style & SS_TYPEMASK) {
        case SS_CENTER:
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->setWordWrap(true);
            break;
        case SS_RIGHT:
            label->setAlignment(Qt::AlignRight | Qt::AlignTop);
            label->setWordWrap(true);
            break;
        case SS_ICON:
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            break;
        default:
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
            break;
    }
    return label;
}

// An SS_ICON static shows the icon resource its text names, at the icon's size.
void ShowIcon(QLabel* label, UINT iconId) {
    const std::span<const BYTE> bytes = AfxFindIcon(iconId);
    // An icon file holds several sizes; a static shows the standard 32 x 32 one.
    constexpr int kIconSize = 32;
    QPixmap pixmap;
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "ICO");
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; !bytes.empty() && i < reader.imageCount(); ++i) {
        if (!reader.jumpToImage(i)) {
            break;
        }
        const QImage image = reader.read();
        const int distance = std::abs(image.width() - kIconSize);
        if (!image.isNull() && distance < bestDistance) {
            bestDistance = distance;
            pixmap = QPixmap::fromImage(image);
        }
    }
    if (pixmap.isNull()) {
        pixmap = QApplication::windowIcon().pixmap(kIconSize, kIconSize);
    }
    label->setPixmap(pixmap);
    if (!pixmap.isNull()) {
        label->resize(pixmap.deviceIndependentSize().toSize());
    }
}

LRESULT StaticProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* label = qobject_cast<QLabel*>(hWnd);
    if (label == nullptr) {
        return AfxDefaultWindowProc(hWnd, message, wParam, lParam);
    }
    const WindowData* data = AfxGetWindowData(hWnd);
    const bool isIcon = data != nullptr && (data->style & SS_TYPEMASK) == SS_ICON;
    LRESULT result = 0;
    if (!isIcon && AnswerTextQuery(label->text(), message, wParam, lParam, &result)) {
        return result;
    }
    if (message == WM_SETTEXT) {
        const LPCTSTR text = TextParam(lParam);
        if (isIcon) {
            // The text of an icon static names the icon: "#128" or its number.
            const std::string name = text != nullptr ? text : "";
            const std::string digits = !name.empty() && name[0] == '#' ? name.substr(1) : name;
            ShowIcon(label, static_cast<UINT>(std::strtoul(digits.c_str(), nullptr, 10)));
        } else {
            label->setText(AfxQString(text));
        }
        return TRUE;
    }
    return AfxDefaultWindowProc(hWnd, message, wParam, lParam);
}

// Combo boxes. The height given at creation is that of the dropped-down list; the
// closed control takes the height the platform gives it for its font.

QWidget* CreateComboBox(const CREATESTRUCT& cs, QWidget* parent) {
    const auto style = static_cast<DWORD>(cs.style);
    return WithTabStop(new AfxComboBox(style, cs.cy, parent), style);
}

LRESULT ComboBoxProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* combo = dynamic_cast<AfxComboBox*>(hWnd);
    if (combo == nullptr) {
        return AfxDefaultWindowProc(hWnd, message, wParam, lParam);
    }
    const auto index = static_cast<int>(static_cast<std::intptr_t>(wParam));
    const QString fieldText =
        combo->Field() != nullptr ? combo->Field()->text() : combo->currentText();
    LRESULT result = 0;
    if (AnswerTextQuery(fieldText, message, wParam, lParam, &result)) {
        return result;
    }
    switch (message) {
        case WM_SETTEXT:
            if (combo->Field() != nullptr) {
                combo->Field()->setText(AfxQString(TextParam(lParam)));
                return TRUE;
            }
            return FALSE;
        case CB_ADDSTRING:
            return combo->AddText(AfxQString(TextParam(lParam)));
        case CB_GETCOUNT:
            return combo->count();
        case CB_GETCURSEL:
            return combo->Selection();
        case CB_SETCURSEL:
            return combo->Select(index);
        case CB_RESETCONTENT:
            combo->Select(-1);
            combo->clear();
            return 0;
        case CB_GETLBTEXTLEN:
            return index >= 0 && index < combo->count()
                       ? static_cast<LRESULT>(Utf8(combo->itemText(index)).size())
                       : CB_ERR;
        case CB_GETLBTEXT: {
            if (index < 0 || index >= combo->count() || lParam == 0) {
                return CB_ERR;
            }
            // The caller sized the buffer with CB_GETLBTEXTLEN.
            const std::string text = Utf8(combo->itemText(index));
            return AfxCopyText(text, text.size() + 1, lParam);
        }
        case CB_SHOWDROPDOWN:
            if (wParam != 0) {
                combo->showPopup();
            } else {
                combo->hidePopup();
            }
            return TRUE;
        default:
            return AfxDefaultWindowProc(hWnd, message, wParam, lParam);
    }
}

}  // namespace

void AfxRegisterControlClasses() {
    static const bool registered = [] {
        AfxRegisterWindowClass(WindowClass{"Button", &CreateButton, &ButtonProc, nullptr});
        AfxRegisterWindowClass(WindowClass{"Edit", &CreateEdit, &EditProc, nullptr});
        AfxRegisterWindowClass(WindowClass{"Static", &CreateStatic, &StaticProc, nullptr});
        AfxRegisterWindowClass(WindowClass{"ComboBox", &CreateComboBox, &ComboBoxProc, nullptr});
        return true;
    }();
    (void)registered;
}
