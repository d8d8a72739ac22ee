// Resource data: templates, tables and binary resources, addressed by id.
//
// The program describes its resources as data of these types (folder res/) and
// hands the set to the layer once at start-up with AfxSetResources. The layer
// looks them up by id and interprets them; the layer's own resources (its
// message texts) are looked up after the program's.
#pragma once

#include <cstddef>
#include <span>

#include "framework/afx_types.h"

// Predefined window classes of dialog items, by their atoms.
constexpr WORD DLGCLASS_BUTTON = 0x0080;
constexpr WORD DLGCLASS_EDIT = 0x0081;
constexpr WORD DLGCLASS_STATIC = 0x0082;
constexpr WORD DLGCLASS_LISTBOX = 0x0083;
constexpr WORD DLGCLASS_SCROLLBAR = 0x0084;
constexpr WORD DLGCLASS_COMBOBOX = 0x0085;

// One control of a dialog template; position and size in dialog units.
struct DialogItemTemplate {
    DWORD style;
    DWORD exStyle;
    short x;
    short y;
    short cx;
    short cy;
    int id;               // -1 for controls that are never addressed
    WORD windowClass;     // one of the DLGCLASS_ atoms
    const char* text;     // the window text, or null when textResourceId names a resource
    WORD textResourceId;  // for SS_ICON statics: the icon's id
};

// A standard dialog template (also the template of a form view).
struct DialogTemplate {
    DWORD style;
    DWORD exStyle;
    short x;
    short y;
    short cx;
    short cy;
    const char* title;
    WORD pointSize;        // with DS_SETFONT
    const char* typeface;  // with DS_SETFONT
    std::span<const DialogItemTemplate> items;
};

// Menu item flags.
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_SEPARATOR = 0x0800;

// One item of a menu; a popup has its items in `popup`.
struct MenuItemTemplate {
    const char* text;  // "&" marks the mnemonic, "\t" separates the key name
    UINT id;
    UINT flags;
    std::span<const MenuItemTemplate> popup;
};

// Accelerator flags and virtual keys.
constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FNOINVERT = 0x02;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;
constexpr BYTE ACCEL_END = 0x80;  // marks the last entry of a table

constexpr WORD VK_BACK = 0x08;
constexpr WORD VK_TAB = 0x09;
constexpr WORD VK_RETURN = 0x0D;
constexpr WORD VK_SHIFT = 0x10;
constexpr WORD VK_CONTROL = 0x11;
constexpr WORD VK_MENU = 0x12;
constexpr WORD VK_CAPITAL = 0x14;
constexpr WORD VK_ESCAPE = 0x1B;
constexpr WORD VK_SPACE = 0x20;
constexpr WORD VK_INSERT = 0x2D;
constexpr WORD VK_DELETE = 0x2E;
constexpr WORD VK_F1 = 0x70;
constexpr WORD VK_F6 = 0x75;
constexpr WORD VK_NUMLOCK = 0x90;
constexpr WORD VK_SCROLL = 0x91;

struct ACCEL {
    BYTE fVirt;
    WORD key;
    WORD cmd;
};

// Version data of the program.
struct VersionEntry {
    const char* name;
    const char* value;
};

struct VersionInfo {
    WORD fileVersion[4];
    WORD productVersion[4];
    WORD language;
    WORD codePage;
    std::span<const VersionEntry> strings;
};

// Resources of one kind, by id.
struct StringResource {
    UINT id;
    const char* text;
};
struct DialogResource {
    UINT id;
    const DialogTemplate* dialog;
};
struct MenuResource {
    UINT id;
    std::span<const MenuItemTemplate> items;
};
struct AcceleratorResource {
    UINT id;
    std::span<const ACCEL> entries;
};
// Binary resources: dialog-initialisation data, toolbar resources, bitmaps (BMP
// file bytes) and icons (ICO file bytes).
struct BinaryResource {
    UINT id;
    std::span<const BYTE> bytes;
};

struct AfxResourceSet {
    std::span<const StringResource> strings;
    std::span<const DialogResource> dialogs;
    std::span<const BinaryResource> dialogInits;
    std::span<const MenuResource> menus;
    std::span<const AcceleratorResource> accelerators;
    std::span<const BinaryResource> toolbars;
    std::span<const BinaryResource> bitmaps;
    std::span<const BinaryResource> icons;
    const VersionInfo* version = nullptr;
};

// Installs the program's resources. The set must outlive every lookup.
void AfxSetResources(const AfxResourceSet& resources);
const AfxResourceSet& AfxGetResources();

// Lookups: null or an empty span when the resource does not exist.
const char* AfxFindString(UINT id);
const DialogTemplate* AfxFindDialog(UINT id);
std::span<const BYTE> AfxFindDialogInit(UINT id);
std::span<const MenuItemTemplate> AfxFindMenu(UINT id);
std::span<const ACCEL> AfxFindAccelerators(UINT id);
std::span<const BYTE> AfxFindToolbar(UINT id);
std::span<const BYTE> AfxFindBitmap(UINT id);
std::span<const BYTE> AfxFindIcon(UINT id);
