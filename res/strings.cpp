// The string table. A command's string is its prompt for the status bar, then "\n"
// and the short name its toolbar button's tooltip shows.
#include "framework/afx_ids.h"
#include "res/resources.h"

namespace {

constexpr const char* kOpenRecent = "Open this document";

constexpr StringResource kStrings[] = {
    {IDR_MAINFRAME, "Quarvel\n\nQuarv\n\n\nQuarvel.Document\nQuarv Document"},
    {AFX_IDS_APP_TITLE, "Quarvel"},
    {AFX_IDS_IDLEMESSAGE, "Ready"},

    {ID_FILE_NEW, "Create a new document\nNew"},
    {ID_FILE_OPEN, "Open an existing document\nOpen"},
    {ID_FILE_CLOSE, "Close the active document\nClose"},
    {ID_FILE_SAVE, "Save the active document\nSave"},
    {ID_FILE_SAVE_AS, "Save the active document with a new name\nSave As"},
    {ID_FILE_PAGE_SETUP, "Change the printing options\nPage Setup"},
    {ID_FILE_PRINT_SETUP, "Change the printer and printing options\nPrint Setup"},
    {ID_FILE_PRINT, "Print the active document\nPrint"},
    {ID_FILE_PRINT_PREVIEW, "Display full pages\nPrint Preview"},

    {ID_FILE_MRU_FILE1, kOpenRecent},
    {ID_FILE_MRU_FILE1 + 1, kOpenRecent},
    {ID_FILE_MRU_FILE1 + 2, kOpenRecent},
    {ID_FILE_MRU_FILE1 + 3, kOpenRecent},
    {ID_FILE_MRU_FILE1 + 4, kOpenRecent},
    {ID_FILE_MRU_FILE1 + 5, kOpenRecent},
    {ID_FILE_MRU_FILE1 + 6, kOpenRecent},
    {ID_FILE_MRU_FILE1 + 7, kOpenRecent},
    {ID_FILE_MRU_FILE1 + 8, kOpenRecent},
    {ID_FILE_MRU_FILE1 + 9, kOpenRecent},
    {ID_FILE_MRU_FILE1 + 10, kOpenRecent},
    {ID_FILE_MRU_FILE1 + 11, kOpenRecent},
    {ID_FILE_MRU_FILE1 + 12, kOpenRecent},
    {ID_FILE_MRU_FILE1 + 13, kOpenRecent},
    {ID_FILE_MRU_FILE1 + 14, kOpenRecent},
    {ID_FILE_MRU_FILE16, kOpenRecent},

    {ID_EDIT_CLEAR, "Erase the selection\nErase"},
    {ID_EDIT_CLEAR_ALL, "Erase everything\nErase All"},
    {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"},
    {ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"},
    {ID_EDIT_FIND, "Find the specified text\nFind"},
    {ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
    {ID_EDIT_REPEAT, "Repeat the last action\nRepeat"},
    {ID_EDIT_REPLACE, "Replace specific text with different text\nReplace"},
    {ID_EDIT_SELECT_ALL, "Select the entire document\nSelect All"},
    {ID_EDIT_UNDO, "Undo the last action\nUndo"},
    {ID_EDIT_REDO, "Redo the previously undone action\nRedo"},

    {ID_WINDOW_SPLIT, "Split the active window into panes\nSplit"},
    {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    {ID_NEXT_PANE, "Switch to the next window pane\nNext Pane"},
    {ID_PREV_PANE, "Switch back to the previous window pane\nPrevious Pane"},

    {ID_INDICATOR_EXT, "EXT"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
    {ID_INDICATOR_OVR, "OVR"},
    {ID_INDICATOR_REC, "REC"},

    {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
};

}  // namespace

std::span<const StringResource> QuarvelStrings() {
    return kStrings;
}
