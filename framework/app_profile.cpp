// The application's profile: settings kept between runs.
#include <QSettings>
#include <QStringList>
#include <limits>

#include "framework/afx_ids.h"
#include "framework/app.h"
#include "framework/profile_store.h"
#include "framework/recent_file_list.h"
#include "framework/window_class.h"

namespace {

constexpr const char* kRecentFileSection = "Recent File List";
constexpr const char* kRecentFileEntry = "File%d";
constexpr const char* kSettingsSection = "Settings";
constexpr const char* kPreviewPagesEntry = "PreviewPages";
// How many characters of a recent file's path the File menu shows.
constexpr int kRecentFileDisplayLength = 30;
// The recent-file commands run from ID_FILE_MRU_FILE1 to ID_FILE_MRU_FILE16.
constexpr UINT kMaxRecentFiles = ID_FILE_MRU_FILE16 - ID_FILE_MRU_FILE1 + 1;

QString Key(LPCTSTR lpszSection, LPCTSTR lpszEntry) {
    return AfxQString(lpszSection) + "/" + AfxQString(lpszEntry);
}

// A value as the profile holds it; an unreadable store or a value of the wrong kind
// (a hand-edited file, say) reads as missing.
QVariant ReadValue(const CWinApp& app, LPCTSTR lpszSection, LPCTSTR lpszEntry) {
    if (lpszSection == nullptr || *lpszSection == '\0' || lpszEntry == nullptr ||
        *lpszEntry == '\0') {
        return {};
    }
    const auto profile = AfxOpenProfile(app);
    if (profile->status() == QSettings::AccessError) {
        return {};
    }
    return profile->value(Key(lpszSection, lpszEntry));
}

BOOL Write(const CWinApp& app, LPCTSTR lpszSection, LPCTSTR lpszEntry, const QVariant* value) {
    if (lpszSection == nullptr || *lpszSection == '\0') {
        return FALSE;
    }
    const auto profile = AfxOpenProfile(app);
    if (lpszEntry == nullptr) {
        profile->remove(AfxQString(lpszSection));
    } else if (value == nullptr) {
        profile->remove(Key(lpszSection, lpszEntry));
    } else {
        profile->setValue(Key(lpszSection, lpszEntry), *value);
    }
    profile->sync();
    // A format error only says that part of the old file could not be read.
    return profile->status() != QSettings::AccessError;
}

}  // namespace

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey) {
    m_pszRegistryKey = lpszRegistryKey;
    m_pszProfileName = m_pszAppName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey) {
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey(key);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) {
    const QVariant value = ReadValue(*this, lpszSection, lpszEntry);
    if (value.typeId() == QMetaType::QString) {
        return CString(value.toString().toStdString());
    }
    // An unquoted text with commas in a hand-edited file reads as a list.
    if (value.typeId() == QMetaType::QStringList) {
        return CString(value.toStringList().join(',').toStdString());
    }
    return CString(lpszDefault);
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) {
    const QVariant value = ReadValue(*this, lpszSection, lpszEntry);
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    // The profile holds 32-bit values; anything else is damage.
    if (!ok || number < std::numeric_limits<int>::min() ||
        number > std::numeric_limits<unsigned int>::max()) {
        return static_cast<UINT>(nDefault);
    }
    return static_cast<UINT>(number);
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue) {
    if (lpszValue == nullptr) {
        return Write(*this, lpszSection, lpszEntry, nullptr);
    }
    const QVariant value(AfxQString(lpszValue));
    return Write(*this, lpszSection, lpszEntry, &value);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) {
    if (lpszEntry == nullptr) {
        return FALSE;
    }
    const QVariant value(nValue);
    return Write(*this, lpszSection, lpszEntry, &value);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU) {
    if (nMaxMRU != 0) {
        m_pRecentFileList = std::make_unique<CRecentFileList>(
            0, kRecentFileSection, kRecentFileEntry,
            static_cast<int>(std::min(nMaxMRU, kMaxRecentFiles)), kRecentFileDisplayLength);
        m_pRecentFileList->ReadList();
    }
    m_nNumPreviewPages = GetProfileInt(kSettingsSection, kPreviewPagesEntry, 0);
}

void CWinApp::SaveStdProfileSettings() {
    if (m_pRecentFileList) {
        m_pRecentFileList->WriteList();
    }
    if (m_nNumPreviewPages != 0) {
        WriteProfileInt(kSettingsSection, kPreviewPagesEntry, static_cast<int>(m_nNumPreviewPages));
    }
}
