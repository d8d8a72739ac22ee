// The application's profile: where it lives, what is read at start-up and what is
// written at exit, and damaged or unreadable stores.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include "framework/app.h"
#include "framework/command_line_info.h"
#include "framework/recent_file_list.h"
#include "profile_env.h"
#include "tests/framework/qt_app_fixture.h"

namespace {

// An application object as the program's start-up leaves it for the profile.
class ProfileApp : public CWinApp {
public:
    ProfileApp() : CWinApp("Quarvel") {
        SetRegistryKey("Local AppWizard-Generated Applications");
        LoadStdProfileSettings(4);
    }
    std::vector<std::string> Recent() const {
        std::vector<std::string> names;
        for (int i = 0; i < m_pRecentFileList->GetSize(); ++i) {
            names.push_back((*m_pRecentFileList)[i].str());
        }
        return names;
    }
};

using Names = std::vector<std::string>;

TEST(Profile, RecentFilesAndPreviewPagesSurviveFromOneRunToTheNext) {
    ScopedConfigHome home;
    {
        ProfileApp first;
        EXPECT_EQ(first.Recent(), (Names{"", "", "", ""}));
        EXPECT_EQ(first.m_nNumPreviewPages, 0u);
        first.AddToRecentFileList("/data/a.txt");
        first.AddToRecentFileList("/data/b.txt");
        first.m_nNumPreviewPages = 7;
        first.ExitInstance();
    }
    QSettings stored(home.SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(stored.value("Recent File List/File1").toString(), "/data/b.txt");
    EXPECT_EQ(stored.value("Recent File List/File2").toString(), "/data/a.txt");
    EXPECT_EQ(stored.value("Settings/PreviewPages").toInt(), 7);

    ProfileApp second;
    EXPECT_EQ(second.Recent(), (Names{"/data/b.txt", "/data/a.txt", "", ""}));
    EXPECT_EQ(second.m_nNumPreviewPages, 7u);
}

TEST(Profile, ExitRewritesTheListWithItsEntriesUnderTheirOwnNumbers) {
    ScopedConfigHome home;
    home.WriteSettings("[Recent%20File%20List]\nFile2=/b\nFile4=/d\nFile7=/g\nOther=x\n");
    {
        ProfileApp app;
        // A missing value is an empty entry; values beyond the list's size are not read.
        EXPECT_EQ(app.Recent(), (Names{"", "/b", "", "/d"}));
        EXPECT_EQ(app.m_nNumPreviewPages, 0u);
        app.ExitInstance();
    }
    QSettings stored(home.SettingsFile(), QSettings::IniFormat);
    stored.beginGroup("Recent File List");
    EXPECT_EQ(stored.childKeys(), (QStringList{"File2", "File4"}));
    stored.endGroup();
    // Zero preview pages is never written.
    EXPECT_FALSE(stored.contains("Settings/PreviewPages"));
}

TEST(Profile, AnEmptyListLeavesNoSection) {
    ScopedConfigHome home;
    home.WriteSettings("[Recent%20File%20List]\nFile1=/a\n[Settings]\nPreviewPages=2\n");
    {
        ProfileApp app;
        EXPECT_EQ(app.m_nNumPreviewPages, 2u);
        app.m_pRecentFileList->Remove(0);
        app.ExitInstance();
    }
    QSettings stored(home.SettingsFile(), QSettings::IniFormat);
    EXPECT_FALSE(stored.childGroups().contains("Recent File List"));
    EXPECT_EQ(stored.value("Settings/PreviewPages").toInt(), 2);
}

TEST(Profile, DamagedSettingsGiveDefaultsAndAreWrittenSoundAtExit) {
    ScopedConfigHome home;
    home.WriteSettings(
        QByteArray("\x01\xff[[[\n=\n[Settings]\nPreviewPages=lots\n"
                   "[Recent%20File%20List]\nFile1=@Variant(\\0\\0\\0\\x7f)\n"
                   "File2=/in,the,list\nFile3=\"unterminated\n"));
    {
        ProfileApp app;
        EXPECT_EQ(app.m_nNumPreviewPages, 0u);
        app.AddToRecentFileList("/data/new.txt");
        app.ExitInstance();
    }
    ProfileApp next;
    EXPECT_EQ(next.Recent().front(), "/data/new.txt");
}

TEST(Profile, AnUnreadableStoreGivesDefaultsAndDropsWrites) {
    ScopedConfigHome home;
    QDir().mkpath(home.SettingsFile());  // a folder where the file should be
    ProfileApp app;
    EXPECT_EQ(app.Recent(), (Names{"", "", "", ""}));
    EXPECT_EQ(app.GetProfileString("Settings", "Anything", "fallback").str(), "fallback");
    EXPECT_EQ(app.GetProfileInt("Settings", "PreviewPages", 5), 5u);
    EXPECT_FALSE(app.WriteProfileInt("Settings", "PreviewPages", 2));
    app.AddToRecentFileList("/data/a.txt");
    app.ExitInstance();
    EXPECT_TRUE(QFileInfo(home.SettingsFile()).isDir());
}

TEST(Profile, ValuesAreWrittenReadAndRemoved) {
    ScopedConfigHome home;
    ProfileApp app;
    EXPECT_TRUE(app.WriteProfileString("Section", "Text", "a = b, c; [d] & \xC3\xA9"));
    EXPECT_TRUE(app.WriteProfileInt("Section", "Number", -3));
    EXPECT_EQ(app.GetProfileString("Section", "Text").str(), "a = b, c; [d] & \xC3\xA9");
    EXPECT_EQ(static_cast<int>(app.GetProfileInt("Section", "Number", 0)), -3);
    EXPECT_TRUE(app.WriteProfileString("Section", "Text", nullptr));
    EXPECT_EQ(app.GetProfileString("Section", "Text", "gone").str(), "gone");
    EXPECT_EQ(static_cast<int>(app.GetProfileInt("Section", "Number", 0)), -3);
    EXPECT_TRUE(app.WriteProfileString("Section", nullptr, nullptr));
    EXPECT_EQ(app.GetProfileInt("Section", "Number", 9), 9u);
}

TEST(Profile, BeforeSetRegistryKeyTheProfileIsAnIniFileNamedAfterTheExecutable) {
    ScopedConfigHome home;
    CWinApp app;
    char name[] = "/usr/bin/quarvel";
    char* argv[] = {name, nullptr};
    AfxInitAppNames(&app, 1, argv);
    EXPECT_EQ(app.m_pszProfileName.str(), "quarvel.INI");
    EXPECT_TRUE(app.WriteProfileInt("Settings", "PreviewPages", 2));
    EXPECT_TRUE(QFileInfo::exists(home.Path() + "/quarvel.INI"));
}

// Runs the command line's unregister request; a message box that appears is read
// and closed.
QString Unregister(CWinApp& app, std::vector<const char*> switches) {
    CCommandLineInfo info;
    for (size_t i = 0; i < switches.size(); ++i) {
        info.ParseParam(switches[i], TRUE, i + 1 == switches.size());
    }
    QString shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->close();
        }
    });
    closer.start(10);
    EXPECT_FALSE(app.ProcessShellCommand(info));
    return shown;
}

TEST(Unregister, RemovesTheSettingsAndTheEmptyOrganisationAndWritesNothingAtExit) {
    ScopedConfigHome home;
    home.WriteSettings("[Recent%20File%20List]\nFile1=/a\n[Settings]\nPreviewPages=2\n");
    ProfileApp app;
    EXPECT_EQ(Unregister(app, {"Unregister"}),
              "System registry entries have been removed and the INI file (if any) was "
              "deleted.");
    EXPECT_FALSE(QFileInfo::exists(home.SettingsFile()));
    EXPECT_FALSE(QFileInfo::exists(home.OrganisationFolder()));
    app.AddToRecentFileList("/data/b.txt");
    app.ExitInstance();
    EXPECT_FALSE(QFileInfo::exists(home.OrganisationFolder()));
}

TEST(Unregister, WithEmbeddingShowsNoMessageAndKeepsOtherProgramsSettings) {
    ScopedConfigHome home;
    home.WriteSettings("[Settings]\nPreviewPages=2\n");
    QFile other(home.OrganisationFolder() + "/Other.conf");
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    ProfileApp app;
    EXPECT_EQ(Unregister(app, {"Embedding", "Unregserver"}), QString());
    EXPECT_FALSE(QFileInfo::exists(home.SettingsFile()));
    EXPECT_TRUE(QFileInfo::exists(other.fileName()));
}

TEST(Unregister, WithNothingToRemoveStillSucceeds) {
    ScopedConfigHome home;
    ProfileApp app;
    EXPECT_EQ(Unregister(app, {"unregister"}),
              "System registry entries have been removed and the INI file (if any) was "
              "deleted.");
    app.ExitInstance();
    EXPECT_FALSE(QFileInfo::exists(home.OrganisationFolder()));
}

}  // namespace
