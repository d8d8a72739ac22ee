// The string table.
#include "framework/afx_ids.h"
#include "res/resources.h"

namespace {

constexpr StringResource kStrings[] = {
    {IDR_MAINFRAME, "Quarvel\n\nQuarv\n\n\nQuarvel.Document\nQuarv Document"},
    {AFX_IDS_APP_TITLE, "Quarvel"},
    {AFX_IDS_IDLEMESSAGE, "Ready"},
};

}  // namespace

std::span<const StringResource> QuarvelStrings() { return kStrings; }
