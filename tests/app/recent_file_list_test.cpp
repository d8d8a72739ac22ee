// The recent-file list: order, repeats, and the names the File menu shows.
#include "framework/recent_file_list.h"

#include <gtest/gtest.h>

#include "framework/afx_ids.h"

namespace {

using Names = std::vector<std::string>;

Names Entries(const CRecentFileList& list) {
    Names names;
    for (int i = 0; i < list.GetSize(); ++i) {
        names.push_back(list[i].str());
    }
    return names;
}

TEST(RecentFileList, NewestFirstWithoutRepeatsAndTheOldestDropsOut) {
    CRecentFileList list(0, "Recent File List", "File%d", 4, 30);
    for (const char* path : {"/a", "/b", "/c", "/d"}) {
        list.Add(path);
    }
    EXPECT_EQ(Entries(list), (Names{"/d", "/c", "/b", "/a"}));
    list.Add("/B");  // the same document in other letters moves up
    EXPECT_EQ(Entries(list), (Names{"/B", "/d", "/c", "/a"}));
    list.Add("/e");
    EXPECT_EQ(Entries(list), (Names{"/e", "/B", "/d", "/c"}));
    list.Remove(1);
    EXPECT_EQ(Entries(list), (Names{"/e", "/d", "/c", ""}));
    list.Add("");
    list.Remove(9);
    EXPECT_EQ(Entries(list), (Names{"/e", "/d", "/c", ""}));
}

struct DisplayCase {
    const char* path;
    const char* curDir;
    const char* shown;
};

class DisplayName : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayName, FitsTheMenu) {
    CRecentFileList list(0, "Recent File List", "File%d", 4, 30);
    list.Add(GetParam().path);
    CString name;
    ASSERT_TRUE(list.GetDisplayName(name, 0, GetParam().curDir));
    EXPECT_EQ(name.str(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DisplayName,
    ::testing::Values(
        DisplayCase{"/home/me/a.txt", "/tmp", "/home/me/a.txt"},
        DisplayCase{"/home/me/a.txt", "/home/me", "a.txt"},
        DisplayCase{"/home/me/a.txt", "/home/ME", "a.txt"},
        // 30 characters exactly still fit.
        DisplayCase{"/home/me/projects/abcd/xy.txt", "/", "/home/me/projects/abcd/xy.txt"},
        DisplayCase{"/home/user/projects/deeply/nested/folder/file.txt", "/tmp",
                    "/.../nested/folder/file.txt"},
        DisplayCase{"/home/user/a-rather-long-folder-name/file.txt", "/tmp", "/.../file.txt"},
        DisplayCase{"/home/user/a-file-name-that-is-longer-than-thirty.txt", "/tmp",
                    "a-file-name-that-is-longer-than-thirty.txt"}));

TEST(RecentFileList, EmptyEntriesHaveNoName) {
    CRecentFileList list(0, "Recent File List", "File%d", 4, 30);
    CString name;
    EXPECT_FALSE(list.GetDisplayName(name, 0, "/"));
    EXPECT_FALSE(list.GetDisplayName(name, 7, "/"));
}

}  // namespace
