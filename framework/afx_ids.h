// The framework's standard command, string and window ids.
#pragma once

#include "framework/afx_types.h"

constexpr UINT ID_SEPARATOR = 0;

// File commands.
constexpr UINT ID_FILE_NEW = 57600;
constexpr UINT ID_FILE_OPEN = 57601;
constexpr UINT ID_FILE_CLOSE = 57602;
constexpr UINT ID_FILE_SAVE = 57603;
constexpr UINT ID_FILE_SAVE_AS = 57604;
constexpr UINT ID_FILE_PAGE_SETUP = 57605;
constexpr UINT ID_FILE_PRINT_SETUP = 57606;
constexpr UINT ID_FILE_PRINT = 57607;
constexpr UINT ID_FILE_PRINT_DIRECT = 57608;
constexpr UINT ID_FILE_PRINT_PREVIEW = 57609;
constexpr UINT ID_FILE_MRU_FILE1 = 57616;
constexpr UINT ID_FILE_MRU_FILE16 = 57631;

// Edit commands.
constexpr UINT ID_EDIT_CLEAR = 57632;
constexpr UINT ID_EDIT_CLEAR_ALL = 57633;
constexpr UINT ID_EDIT_COPY = 57634;
constexpr UINT ID_EDIT_CUT = 57635;
constexpr UINT ID_EDIT_FIND = 57636;
constexpr UINT ID_EDIT_PASTE = 57637;
constexpr UINT ID_EDIT_REPEAT = 57640;
constexpr UINT ID_EDIT_REPLACE = 57641;
constexpr UINT ID_EDIT_SELECT_ALL = 57642;
constexpr UINT ID_EDIT_UNDO = 57643;
constexpr UINT ID_EDIT_REDO = 57644;

// Window, application and pane commands.
constexpr UINT ID_WINDOW_SPLIT = 57653;
constexpr UINT ID_APP_ABOUT = 57664;
constexpr UINT ID_APP_EXIT = 57665;
constexpr UINT ID_NEXT_PANE = 57680;
constexpr UINT ID_PREV_PANE = 57681;

// Status bar indicators.
constexpr UINT ID_INDICATOR_EXT = 59136;
constexpr UINT ID_INDICATOR_CAPS = 59137;
constexpr UINT ID_INDICATOR_NUM = 59138;
constexpr UINT ID_INDICATOR_SCRL = 59139;
constexpr UINT ID_INDICATOR_OVR = 59140;
constexpr UINT ID_INDICATOR_REC = 59141;

// Bars: the window id equals the command that shows and hides the bar.
constexpr UINT ID_VIEW_TOOLBAR = 59392;
constexpr UINT ID_VIEW_STATUS_BAR = 59393;
constexpr UINT AFX_IDW_TOOLBAR = 59392;
constexpr UINT AFX_IDW_STATUS_BAR = 59393;
// The sides of a frame where bars dock, and the floating state.
constexpr UINT AFX_IDW_DOCKBAR_TOP = 0xE81B;
constexpr UINT AFX_IDW_DOCKBAR_LEFT = 0xE81C;
constexpr UINT AFX_IDW_DOCKBAR_RIGHT = 0xE81D;
constexpr UINT AFX_IDW_DOCKBAR_BOTTOM = 0xE81E;
constexpr UINT AFX_IDW_DOCKBAR_FLOAT = 0xE81F;
// The first view pane of a frame.
constexpr UINT AFX_IDW_PANE_FIRST = 59648;

// Strings.
constexpr UINT AFX_IDS_APP_TITLE = 57344;
constexpr UINT AFX_IDS_IDLEMESSAGE = 57345;
constexpr UINT AFX_IDS_ALLFILTER = 61442;
constexpr UINT AFX_IDS_UNTITLED = 61443;
constexpr UINT AFX_IDP_FAILED_TO_CREATE_DOC = 61700;
constexpr UINT AFX_IDP_FAILED_TO_OPEN_DOC = 61701;
constexpr UINT AFX_IDP_FAILED_TO_SAVE_DOC = 61702;
constexpr UINT AFX_IDP_ASK_TO_SAVE = 61703;
// Unregistering, and a command-line print that finds no print command.
constexpr UINT AFX_IDP_UNREG_DONE = 61709;
constexpr UINT AFX_IDP_UNREG_FAILURE = 61710;
constexpr UINT AFX_IDP_PRINT_UNAVAILABLE = 61711;
// File failures, one text per cause; each names the full path as %1.
constexpr UINT AFX_IDP_FILE_NONE = 61857;
constexpr UINT AFX_IDP_FILE_GENERIC = 61858;
constexpr UINT AFX_IDP_FILE_NOT_FOUND = 61859;
constexpr UINT AFX_IDP_FILE_BAD_PATH = 61860;
constexpr UINT AFX_IDP_FILE_TOO_MANY_OPEN = 61861;
constexpr UINT AFX_IDP_FILE_ACCESS_DENIED = 61862;
constexpr UINT AFX_IDP_FILE_INVALID_FILE = 61863;
constexpr UINT AFX_IDP_FILE_REMOVE_CURRENT = 61864;
constexpr UINT AFX_IDP_FILE_DIR_FULL = 61865;
constexpr UINT AFX_IDP_FILE_BAD_SEEK = 61866;
constexpr UINT AFX_IDP_FILE_HARD_IO = 61867;
constexpr UINT AFX_IDP_FILE_SHARING = 61868;
constexpr UINT AFX_IDP_FILE_LOCKING = 61869;
constexpr UINT AFX_IDP_FILE_DISKFULL = 61870;
constexpr UINT AFX_IDP_FAILED_TO_START_PRINT = 61704;
