// Dialog-initialisation data: the list items of the calculator form, as the bytes
// the layer reads when it creates the form.
#include <array>
#include <string_view>

#include "res/resources.h"

namespace {

// A list item as stored: the combo box's add-string message in its 16-bit number.
constexpr WORD kStoredAddString = 0x0403;

struct ListItem {
    int controlId;
    std::string_view text;
};

// Unsorted lists: the order here is each item's index.
constexpr ListItem kListItems[] = {
    {IDC_COMBO_CLOCK, "BCLK_in"},     {IDC_COMBO_CLOCK, "TCLK"},  {IDC_COMBO_CLOCK, "SCLK0"},
    {IDC_COMBO_CLOCK, "other clock"}, {IDC_COMBO_BAUD, "2400"},   {IDC_COMBO_BAUD, "4800"},
    {IDC_COMBO_BAUD, "9600"},         {IDC_COMBO_BAUD, "19200"},  {IDC_COMBO_BAUD, "38400"},
    {IDC_COMBO_BAUD, "57600"},        {IDC_COMBO_BAUD, "115200"}, {IDC_COMBO_BAUD, "230400"},
    {IDC_COMBO_BAUD, "460800"},       {IDC_COMBO_BAUD, "921600"}, {IDC_COMBO_BAUD, "OTHER"},
};

// Each record: control id (16 bits), message (16 bits), data length (32 bits), the
// text with its zero byte; all little-endian. A 16-bit zero ends the data.
constexpr size_t EncodedSize() {
    size_t size = 2;
    for (const ListItem& item : kListItems) {
        size += 8 + item.text.size() + 1;
    }
    return size;
}

constexpr auto Encode() {
    std::array<BYTE, EncodedSize()> bytes{};
    size_t at = 0;
    auto put = [&](unsigned value, int width) {
        for (int i = 0; i < width; ++i) {
            bytes[at++] = static_cast<BYTE>((value >> (8 * i)) & 0xFF);
        }
    };
    for (const ListItem& item : kListItems) {
        put(static_cast<unsigned>(item.controlId), 2);
        put(kStoredAddString, 2);
        put(static_cast<unsigned>(item.text.size() + 1), 4);
        for (char c : item.text) {
            bytes[at++] = static_cast<BYTE>(c);
        }
        bytes[at++] = 0;
    }
    put(0, 2);
    return bytes;
}

constexpr auto kCalculatorFormInit = Encode();
static_assert(std::size(kListItems) == 15);
static_assert(kCalculatorFormInit.size() == 220);

}  // namespace

std::span<const BinaryResource> QuarvelDialogInits() {
    static const BinaryResource inits[] = {
        {IDD_CALCULATOR_FORM, kCalculatorFormInit},
    };
    return inits;
}
