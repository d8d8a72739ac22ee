#include "framework/framework_strings.h"

#include "framework/afx_ids.h"

namespace {

// Keep sorted by id; add the layer's further messages here.
constexpr StringResource kStrings[] = {
    {AFX_IDS_ALLFILTER, "All Files (*.*)"},
    {AFX_IDS_UNTITLED, "Untitled"},
    {AFX_IDP_FAILED_TO_CREATE_DOC, "Failed to create empty document."},
};

}  // namespace

std::span<const StringResource> FrameworkStrings() { return kStrings; }
