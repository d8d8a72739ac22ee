// The version data and the places where Linux shows it agree.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <string_view>

#include "framework/app.h"
#include "res/resources.h"
#include "tests/framework/qt_app_fixture.h"

namespace {

QString ReadSource(const char* relative) {
    QFile file(QString(QUARVEL_SOURCE_DIR) + "/" + relative);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative;
    return QString::fromUtf8(file.readAll());
}

QString Entry(const VersionInfo& version, std::string_view name) {
    for (const VersionEntry& e : version.strings) {
        if (name == e.name) {
            return QString::fromUtf8(e.value);
        }
    }
    return {};
}

TEST(VersionData, DesktopEntryMetainfoAndAboutBoxShowTheSameVersionAndName) {
    const VersionInfo* version = QuarvelVersion();
    ASSERT_NE(version, nullptr);
    const auto* v = version->productVersion;
    const QString dotted = QString("%1.%2.%3.%4").arg(v[0]).arg(v[1]).arg(v[2]).arg(v[3]);
    EXPECT_EQ(Entry(*version, "ProductVersion"),
              QString("%1, %2, %3, %4").arg(v[0]).arg(v[1]).arg(v[2]).arg(v[3]));

    const QString metainfo = ReadSource("res/linux/org.quarvel.Quarvel.metainfo.xml");
    EXPECT_TRUE(metainfo.contains("<release version=\"" + dotted + "\""));
    EXPECT_TRUE(metainfo.contains("<name>" + Entry(*version, "InternalName") + "</name>"));

    const QString desktop = ReadSource("res/linux/org.quarvel.Quarvel.desktop");
    EXPECT_TRUE(desktop.contains("\nName=" + Entry(*version, "InternalName") + "\n"));

    bool aboutShowsVersion = false;
    for (const DialogItemTemplate& item : kAboutBox.items) {
        if (item.text != nullptr &&
            QString::fromUtf8(item.text) == QString("%1 Version %2.%3")
                                                .arg(Entry(*version, "InternalName"))
                                                .arg(v[0])
                                                .arg(v[1])) {
            aboutShowsVersion = true;
        }
    }
    EXPECT_TRUE(aboutShowsVersion);
}

TEST(VersionData, TheRunningProgramReportsItsVersion) {
    AfxSetResources(QuarvelResources());
    char name[] = "/usr/bin/quarvel";
    char* argv[] = {name, nullptr};
    CWinApp winApp;
    AfxInitAppNames(&winApp, 1, argv);
    EXPECT_EQ(winApp.m_pszAppName.str(), "Quarvel");
    EXPECT_EQ(QCoreApplication::applicationName(), "Quarvel");
    EXPECT_EQ(QCoreApplication::applicationVersion(), "1.0.0.1");
}

}  // namespace
