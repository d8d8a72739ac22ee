// Toolbar resource 128 in its binary form: version, image width, image height and
// item count, then the items' commands, 0 for a separator; 16-bit little-endian
// fields. The k-th button that is not a separator shows image k of bitmap 128.
#include "framework/afx_ids.h"
#include "res/resources.h"

namespace {

constexpr BYTE Low(unsigned value) {
    return static_cast<BYTE>(value & 0xFF);
}
constexpr BYTE High(unsigned value) {
    return static_cast<BYTE>((value >> 8) & 0xFF);
}
#define QUARVEL_WORD(value) Low(value), High(value)

constexpr BYTE kMainToolbar[] = {
    QUARVEL_WORD(1),   // version
    QUARVEL_WORD(16),  // image width
    QUARVEL_WORD(15),  // image height
    QUARVEL_WORD(11),  // items
    QUARVEL_WORD(ID_FILE_NEW),
    QUARVEL_WORD(ID_FILE_OPEN),
    QUARVEL_WORD(ID_FILE_SAVE),
    QUARVEL_WORD(ID_SEPARATOR),
    QUARVEL_WORD(ID_EDIT_CUT),
    QUARVEL_WORD(ID_EDIT_COPY),
    QUARVEL_WORD(ID_EDIT_PASTE),
    QUARVEL_WORD(ID_SEPARATOR),
    QUARVEL_WORD(ID_FILE_PRINT),
    QUARVEL_WORD(ID_SEPARATOR),
    QUARVEL_WORD(ID_APP_ABOUT),
};

#undef QUARVEL_WORD

constexpr BinaryResource kToolbars[] = {
    {IDR_MAINFRAME, kMainToolbar},
};

}  // namespace

std::span<const BinaryResource> QuarvelToolbars() {
    return kToolbars;
}
