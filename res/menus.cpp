// Menu 128: the main window's menu bar.
#include "framework/afx_ids.h"
#include "res/resources.h"

namespace {

constexpr MenuItemTemplate kSeparator{nullptr, 0, MF_SEPARATOR, {}};

constexpr MenuItemTemplate kFileMenu[] = {
    {"&New\tCtrl+N", ID_FILE_NEW, MF_STRING, {}},
    {"&Open...\tCtrl+O", ID_FILE_OPEN, MF_STRING, {}},
    {"&Save\tCtrl+S", ID_FILE_SAVE, MF_STRING, {}},
    {"Save &As...", ID_FILE_SAVE_AS, MF_STRING, {}},
    kSeparator,
    {"&Print...\tCtrl+P", ID_FILE_PRINT, MF_STRING, {}},
    {"Print Pre&view", ID_FILE_PRINT_PREVIEW, MF_STRING, {}},
    {"P&rint Setup...", ID_FILE_PRINT_SETUP, MF_STRING, {}},
    kSeparator,
    // The recent-file list takes this item's place when the menu opens.
    {"Recent File", ID_FILE_MRU_FILE1, MF_STRING | MF_GRAYED, {}},
    kSeparator,
    {"E&xit", ID_APP_EXIT, MF_STRING, {}},
};

constexpr MenuItemTemplate kEditMenu[] = {
    {"&Undo\tCtrl+Z", ID_EDIT_UNDO, MF_STRING, {}},
    kSeparator,
    {"Cu&t\tCtrl+X", ID_EDIT_CUT, MF_STRING, {}},
    {"&Copy\tCtrl+C", ID_EDIT_COPY, MF_STRING, {}},
    {"&Paste\tCtrl+V", ID_EDIT_PASTE, MF_STRING, {}},
};

constexpr MenuItemTemplate kViewMenu[] = {
    {"&Toolbar", ID_VIEW_TOOLBAR, MF_STRING, {}},
    {"&Status Bar", ID_VIEW_STATUS_BAR, MF_STRING, {}},
};

constexpr MenuItemTemplate kHelpMenu[] = {
    {"&About Quarvel...", ID_APP_ABOUT, MF_STRING, {}},
};

constexpr MenuItemTemplate kMainMenu[] = {
    {"&File", 0, MF_POPUP, kFileMenu},
    {"&Edit", 0, MF_POPUP, kEditMenu},
    {"&View", 0, MF_POPUP, kViewMenu},
    {"&Help", 0, MF_POPUP, kHelpMenu},
};

constexpr MenuResource kMenus[] = {
    {IDR_MAINFRAME, kMainMenu},
};

}  // namespace

std::span<const MenuResource> QuarvelMenus() {
    return kMenus;
}
