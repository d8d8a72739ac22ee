#include "framework/dialog_builder.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <string_view>

#include "framework/afx_messages.h"
#include "framework/afx_styles.h"
#include "framework/controls.h"
#include "framework/window_class.h"
#include "framework/wnd.h"

namespace {

constexpr int kDefaultPointSize = 8;
// The 16-bit messages that dialog-initialisation data stores for list items.
constexpr UINT kStoredComboAddString = 0x0403;

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

const char* ClassName(WORD atom) {
    switch (atom) {
        case DLGCLASS_BUTTON:
            return "Button";
        case DLGCLASS_EDIT:
            return "Edit";
        case DLGCLASS_STATIC:
            return "Static";
        case DLGCLASS_COMBOBOX:
            return "ComboBox";
        default:
            return nullptr;
    }
}

// The message a stored record means today.
std::optional<UINT> RecordMessage(UINT stored) {
    if (stored == kStoredComboAddString || stored == CB_ADDSTRING) {
        return CB_ADDSTRING;
    }
    return std::nullopt;
}

unsigned ReadLittleEndian(std::span<const BYTE> bytes) {
    unsigned value = 0;
    for (size_t i = bytes.size(); i > 0; --i) {
        value = (value << 8) | bytes[i - 1];
    }
    return value;
}

std::string_view ClassOf(HWND hWnd) {
    const WindowData* data = AfxGetWindowData(hWnd);
    return data != nullptr && data->windowClass != nullptr ? data->windowClass->name : "";
}

bool IsTextLabel(HWND hWnd) {
    const WindowData* data = AfxGetWindowData(hWnd);
    return ClassOf(hWnd) == "Static" && (data->style & SS_TYPEMASK) != SS_ICON &&
           !static_cast<QLabel*>(hWnd)->text().isEmpty();
}

QLabel* FindFieldLabel(HWND hField) {
    const WindowData* data = AfxGetWindowData(hField);
    if (data == nullptr) {
        return nullptr;
    }
    const QRect field = hField->geometry();
    QLabel* left = nullptr;
    QLabel* above = nullptr;
    for (HWND sibling : AfxChildWindows(data->parent)) {
        if (sibling == hField || !IsTextLabel(sibling)) {
            continue;
        }
        auto* label = static_cast<QLabel*>(sibling);
        const QRect r = label->geometry();
        const bool sameLine = r.top() <= field.bottom() && r.bottom() >= field.top();
        const bool overlapsColumn = r.left() <= field.right() && r.right() >= field.left();
        if (sameLine && r.right() < field.left() &&
            (left == nullptr || r.right() > left->geometry().right())) {
            left = label;
        } else if (overlapsColumn && r.bottom() < field.top() &&
                   (above == nullptr || r.bottom() > above->geometry().bottom())) {
            above = label;
        }
    }
    return left != nullptr ? left : above;
}

}  // namespace

QFont AfxDialogFont(const DialogTemplate& dialogTemplate) {
    const bool hasFont = (dialogTemplate.style & DS_SETFONT) != 0;
    const int points =
        hasFont && dialogTemplate.pointSize > 0 ? dialogTemplate.pointSize : kDefaultPointSize;
    const QString family =
        hasFont && dialogTemplate.typeface != nullptr ? AfxQString(dialogTemplate.typeface) : "";
    if (!family.isEmpty() && QFontDatabase::hasFamily(family)) {
        return QFont(family, points);
    }
    QFont font(QStringLiteral("sans-serif"), points);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

int DialogBaseUnits::ToPixelsX(int units) const {
    return MulDiv(units, cx, 4);
}

int DialogBaseUnits::ToPixelsY(int units) const {
    return MulDiv(units, cy, 8);
}

DialogBaseUnits AfxDialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // The average of 52 letters, rounded.
    return DialogBaseUnits{(letters / 26 + 1) / 2, metrics.height()};
}

std::optional<std::vector<DialogInitRecord>> AfxParseDialogInit(std::span<const BYTE> data) {
    std::vector<DialogInitRecord> records;
    size_t at = 0;
    while (true) {
        if (data.size() - at < 2) {
            return std::nullopt;
        }
        const unsigned id = ReadLittleEndian(data.subspan(at, 2));
        if (id == 0) {
            return records;
        }
        if (data.size() - at < 8) {
            return std::nullopt;
        }
        const unsigned message = ReadLittleEndian(data.subspan(at + 2, 2));
        const unsigned length = ReadLittleEndian(data.subspan(at + 4, 4));
        at += 8;
        if (length == 0 || data.size() - at < length || data[at + length - 1] != 0) {
            return std::nullopt;
        }
        // Single-byte text: Latin-1, carried on as UTF-8.
        const auto* text = reinterpret_cast<const char*>(data.data() + at);
        records.push_back(DialogInitRecord{static_cast<int>(static_cast<short>(id)), message,
                                           QString::fromLatin1(text).toStdString()});
        at += length;
    }
}

BOOL AfxApplyDialogInit(HWND hDialog, std::span<const BYTE> data) {
    if (data.empty()) {
        return TRUE;
    }
    const auto records = AfxParseDialogInit(data);
    CWnd* dialog = CWnd::FromHandle(hDialog);
    if (!records || dialog == nullptr) {
        return FALSE;
    }
    for (const DialogInitRecord& record : *records) {
        CWnd* control = dialog->GetDlgItem(record.controlId);
        const std::optional<UINT> message = RecordMessage(record.message);
        if (control == nullptr || !message) {
            return FALSE;
        }
        const LRESULT result =
            control->SendMessage(*message, 0, reinterpret_cast<LPARAM>(record.text.c_str()));
        if (result < 0) {
            return FALSE;
        }
    }
    return TRUE;
}

BOOL AfxCreateDialogControls(HWND hDialog, const DialogTemplate& dialogTemplate,
                             const DialogBaseUnits& units) {
    AfxRegisterControlClasses();
    std::vector<HWND> fields;
    for (const DialogItemTemplate& item : dialogTemplate.items) {
        const char* className = ClassName(item.windowClass);
        if (className == nullptr) {
            return FALSE;
        }
        const std::string iconName = "#" + std::to_string(item.textResourceId);
        const char* text = item.text != nullptr       ? item.text
                           : item.textResourceId != 0 ? iconName.c_str()
                                                      : nullptr;
        // The control belongs to the dialog: no object of the program holds it until
        // data exchange binds one.
        CWnd creator;
        if (!creator.CreateEx(item.exStyle, className, text, item.style | WS_CHILD,
                              units.ToPixelsX(item.x), units.ToPixelsY(item.y),
                              units.ToPixelsX(item.cx), units.ToPixelsY(item.cy), hDialog,
                              static_cast<UINT>(item.id))) {
            return FALSE;
        }
        HWND hControl = creator.Detach();
        if (ClassOf(hControl) == "Edit" || ClassOf(hControl) == "ComboBox") {
            fields.push_back(hControl);
        }
    }
    // The name for platforms that read it from the field; the label's buddy for those
    // that relate fields to their labels (which is how combo boxes get theirs). A label
    // over two fields relates to the list.
    for (HWND field : fields) {
        if (QLabel* label = FindFieldLabel(field)) {
            field->setAccessibleName(label->text());
            if (label->buddy() == nullptr || ClassOf(field) == "ComboBox") {
                label->setBuddy(field);
            }
        }
    }
    return TRUE;
}

std::string AfxFieldLabel(HWND hField) {
    const QLabel* label = FindFieldLabel(hField);
    return label != nullptr ? label->text().toStdString() : std::string();
}
