// The program's version data: English (United States), Unicode code page.
#include "res/resources.h"

namespace {

constexpr VersionEntry kStrings[] = {
    {"CompanyName", ""},
    {"FileDescription", "Quarvel MFC Application"},
    {"FileVersion", "1, 0, 0, 1"},
    {"InternalName", "Quarvel"},
    {"LegalTrademarks", ""},
    {"OriginalFilename", "Quarvel.EXE"},
    {"ProductName", "Quarvel Application"},
    {"ProductVersion", "1, 0, 0, 1"},
};

constexpr VersionInfo kVersion{{1, 0, 0, 1}, {1, 0, 0, 1}, 0x0409, 0x04B0, kStrings};

}  // namespace

const VersionInfo* QuarvelVersion() {
    return &kVersion;
}
