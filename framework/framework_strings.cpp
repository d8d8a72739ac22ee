#include "framework/framework_strings.h"

#include "framework/afx_ids.h"

namespace {

// Keep sorted by id; add the layer's further messages here.
constexpr StringResource kStrings[] = {
    {AFX_IDS_ALLFILTER, "All Files (*.*)"},
    {AFX_IDS_UNTITLED, "Untitled"},
    {AFX_IDP_FAILED_TO_CREATE_DOC, "Failed to create empty document."},
    {AFX_IDP_FAILED_TO_OPEN_DOC, "Failed to open document."},
    {AFX_IDP_FAILED_TO_SAVE_DOC, "Failed to save document."},
    {AFX_IDP_ASK_TO_SAVE, "Save changes to %1?"},
    {AFX_IDP_FAILED_TO_START_PRINT, "The print job could not be started."},
    {AFX_IDP_UNREG_DONE,
     "System registry entries have been removed and the INI file (if any) was deleted."},
    {AFX_IDP_UNREG_FAILURE, "The settings could not be removed."},
    {AFX_IDP_PRINT_UNAVAILABLE, "The document cannot be printed: printing is not available."},
    {AFX_IDP_FILE_NONE, "An unknown error occurred with %1."},
    {AFX_IDP_FILE_GENERIC, "%1 could not be read or written."},
    {AFX_IDP_FILE_NOT_FOUND, "%1 was not found."},
    {AFX_IDP_FILE_BAD_PATH, "The folder of %1 does not exist, or the path is not valid."},
    {AFX_IDP_FILE_TOO_MANY_OPEN, "%1 could not be opened because too many files are open."},
    {AFX_IDP_FILE_ACCESS_DENIED, "Access to %1 was denied."},
    {AFX_IDP_FILE_INVALID_FILE, "%1 is not a file that can be read or written."},
    {AFX_IDP_FILE_REMOVE_CURRENT, "%1 could not be removed because it is the current folder."},
    {AFX_IDP_FILE_DIR_FULL, "%1 could not be created because its folder is full."},
    {AFX_IDP_FILE_BAD_SEEK, "Moving to a position in %1 failed."},
    {AFX_IDP_FILE_HARD_IO, "A device error occurred while reading or writing %1."},
    {AFX_IDP_FILE_SHARING, "A sharing violation occurred while accessing %1."},
    {AFX_IDP_FILE_LOCKING, "%1 is locked by another program."},
    {AFX_IDP_FILE_DISKFULL, "The disk is full: %1 could not be written."},
};

}  // namespace

std::span<const StringResource> FrameworkStrings() {
    return kStrings;
}
