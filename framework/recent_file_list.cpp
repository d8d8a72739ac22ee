#include "framework/recent_file_list.h"

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <algorithm>

#include "framework/afx_ids.h"
#include "framework/app.h"
#include "framework/menu.h"
#include "framework/path_names.h"
#include "framework/window_class.h"

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat,
                                 int nSize, int nMaxDispLen)
    : m_nStart(nStart),
      m_strSectionName(lpszSection),
      m_strEntryFormat(lpszEntryFormat),
      m_nMaxDisplayLength(nMaxDispLen),
      m_arrNames(static_cast<size_t>(std::max(nSize, 0))) {}

void CRecentFileList::Add(LPCTSTR lpszPathName) {
    if (m_arrNames.empty() || lpszPathName == nullptr || *lpszPathName == '\0') {
        return;
    }
    auto same = std::find_if(m_arrNames.begin(), m_arrNames.end(), [&](const CString& name) {
        return AfxComparePath(name, lpszPathName);
    });
    if (same == m_arrNames.end()) {
        same = m_arrNames.end() - 1;  // the oldest entry drops out
    }
    std::move_backward(m_arrNames.begin(), same, same + 1);
    m_arrNames.front() = CString(lpszPathName);
}

void CRecentFileList::Remove(int nIndex) {
    if (nIndex < 0 || nIndex >= GetSize()) {
        return;
    }
    m_arrNames.erase(m_arrNames.begin() + nIndex);
    m_arrNames.emplace_back();
}

CString AfxAbbreviateName(LPCTSTR lpszCanon, int cchMax, BOOL bAtLeastName) {
    const QString path = AfxQString(lpszCanon);
    if (path.size() <= cchMax) {
        return CString(lpszCanon);
    }
    const qsizetype lastSlash = path.lastIndexOf('/');
    const QString name = path.mid(lastSlash + 1);
    const QString prefix = path.startsWith('/') ? QStringLiteral("/...") : QStringLiteral("...");
    QString tail = "/" + name;
    if (lastSlash < 0 || prefix.size() + tail.size() > cchMax) {
        return bAtLeastName ? CString(name.toStdString()) : CString();
    }
    // Whole folders from the end, as many as fit.
    for (qsizetype end = lastSlash; end > 0;) {
        const qsizetype start = path.lastIndexOf('/', end - 1);
        const QString candidate = path.mid(start + 1, end - start - 1);
        if (start < 0 || prefix.size() + 1 + candidate.size() + tail.size() > cchMax) {
            break;
        }
        tail = "/" + candidate + tail;
        end = start;
    }
    return CString((prefix + tail).toStdString());
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir,
                                     BOOL bAtLeastName) const {
    if (nIndex < 0 || nIndex >= GetSize() || m_arrNames[static_cast<size_t>(nIndex)].IsEmpty()) {
        return FALSE;
    }
    const CString& path = m_arrNames[static_cast<size_t>(nIndex)];
    const QFileInfo info(AfxQString(path));
    if (lpszCurDir != nullptr && *lpszCurDir != '\0' &&
        AfxComparePath(CString(info.path().toStdString()), lpszCurDir)) {
        strName = CString(info.fileName().toStdString());
    } else {
        strName = AfxAbbreviateName(path, m_nMaxDisplayLength, bAtLeastName);
    }
    return TRUE;
}

namespace {

// "&1 name": the entry's number is its mnemonic, and the name's own "&" are doubled so
// that they show as they are.
CString MenuText(int number, const CString& name) {
    std::string text = number < 10    ? "&" + std::to_string(number)
                       : number == 10 ? std::string("1&0")
                                      : std::to_string(number);
    text += ' ';
    for (char c : name.str()) {
        text += c;
        if (c == '&') {
            text += '&';
        }
    }
    return CString(std::move(text));
}

}  // namespace

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI) {
    CMenu* menu = pCmdUI->m_pMenu;
    const UINT first = pCmdUI->m_nID;
    if (menu == nullptr) {
        pCmdUI->Enable(!m_arrNames.empty() && !m_arrNames.front().IsEmpty());
        return;
    }
    if (m_strOriginal.IsEmpty()) {
        menu->GetMenuString(first, m_strOriginal, MF_BYCOMMAND);
    }
    // The entries of an earlier opening go; the first one's item stays as the anchor.
    for (int i = 1; i < GetSize(); ++i) {
        menu->DeleteMenu(first + static_cast<UINT>(i), MF_BYCOMMAND);
    }
    const QByteArray curDir = QDir::currentPath().toUtf8();
    std::vector<CString> texts;
    for (int i = 0; i < GetSize(); ++i) {
        CString name;
        if (!GetDisplayName(name, i, curDir.constData())) {
            break;  // the menu shows the entries up to the first empty one
        }
        texts.push_back(MenuText(i + 1 + static_cast<int>(m_nStart), name));
    }
    if (texts.empty()) {
        menu->ModifyMenu(pCmdUI->m_nIndex, MF_BYPOSITION | MF_STRING | MF_GRAYED, first,
                         m_strOriginal);
        pCmdUI->Enable(FALSE);
        pCmdUI->m_nIndexMax = menu->GetMenuItemCount();
        return;
    }
    menu->ModifyMenu(pCmdUI->m_nIndex, MF_BYPOSITION | MF_STRING, first, texts.front());
    for (size_t k = 1; k < texts.size(); ++k) {
        menu->InsertMenu(pCmdUI->m_nIndex + static_cast<UINT>(k), MF_BYPOSITION | MF_STRING,
                         first + static_cast<UINT>(k), texts[k]);
    }
    // The menu's walk goes on after the last entry, which is enabled like the others.
    pCmdUI->m_nIndex += static_cast<UINT>(texts.size() - 1);
    pCmdUI->m_nIndexMax = menu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}

CString CRecentFileList::EntryName(int nIndex) const {
    std::string entry = m_strEntryFormat.str();
    if (const size_t at = entry.find("%d"); at != std::string::npos) {
        entry.replace(at, 2, std::to_string(nIndex + 1));
    }
    return CString(std::move(entry));
}

void CRecentFileList::ReadList() {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return;
    }
    for (int i = 0; i < GetSize(); ++i) {
        m_arrNames[static_cast<size_t>(i)] =
            app->GetProfileString(m_strSectionName, EntryName(i), "");
    }
}

void CRecentFileList::WriteList() {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return;
    }
    app->WriteProfileString(m_strSectionName, nullptr, nullptr);
    for (int i = 0; i < GetSize(); ++i) {
        if (!m_arrNames[static_cast<size_t>(i)].IsEmpty()) {
            app->WriteProfileString(m_strSectionName, EntryName(i),
                                    m_arrNames[static_cast<size_t>(i)]);
        }
    }
}
