#include "framework/profile_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "framework/app.h"
#include "framework/window_class.h"

namespace {

QString ConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// The INI file that holds the profile (not used with the Windows registry).
QString ProfileFile(const CWinApp& app) {
    const QString profile = AfxQString(app.m_pszProfileName);
    if (app.m_pszRegistryKey.IsEmpty()) {
        return ConfigFolder() + "/" + profile;
    }
    return ConfigFolder() + "/" + AfxQString(app.m_pszRegistryKey) + "/" + profile + ".conf";
}

#ifdef Q_OS_WIN
QString RegistryPath(const CWinApp& app) {
    return "HKEY_CURRENT_USER\\Software\\" + AfxQString(app.m_pszRegistryKey) + "\\" +
           AfxQString(app.m_pszProfileName);
}
#endif

}  // namespace

std::unique_ptr<QSettings> AfxOpenProfile(const CWinApp& app) {
#ifdef Q_OS_WIN
    if (!app.m_pszRegistryKey.IsEmpty()) {
        return std::make_unique<QSettings>(RegistryPath(app), QSettings::NativeFormat);
    }
#endif
    return std::make_unique<QSettings>(ProfileFile(app), QSettings::IniFormat);
}

bool AfxRemoveProfile(const CWinApp& app) {
#ifdef Q_OS_WIN
    if (!app.m_pszRegistryKey.IsEmpty()) {
        const QString key = AfxQString(app.m_pszRegistryKey);
        QSettings software("HKEY_CURRENT_USER\\Software", QSettings::NativeFormat);
        software.remove(key + "/" + AfxQString(app.m_pszProfileName));
        software.beginGroup(key);
        const bool keyLeftEmpty = software.allKeys().isEmpty();
        software.endGroup();
        if (keyLeftEmpty) {
            software.remove(key);
        }
        software.sync();
        return software.status() == QSettings::NoError;
    }
#endif
    const QFileInfo file(ProfileFile(app));
    if (file.exists() && !QFile::remove(file.absoluteFilePath())) {
        return false;
    }
    if (!app.m_pszRegistryKey.IsEmpty()) {
        // rmdir refuses a folder that still holds anything, which is what we want.
        QDir().rmdir(file.absolutePath());
    }
    return true;
}
