// The recent-file list: the last documents opened or saved, most recent first, kept
// in the application's profile and shown in the File menu.
#pragma once

#include <vector>

#include "framework/cstring.h"

class CCmdUI;

class CRecentFileList {
public:
    // nStart: the first menu command is ID_FILE_MRU_FILE1 + nStart. Entries are read
    // from and written to lpszSection under lpszEntryFormat ("File%d", counted from
    // 1). The File menu shows at most nMaxDispLen characters of each path.
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize,
                    int nMaxDispLen);
    virtual ~CRecentFileList() = default;

    int GetSize() const { return static_cast<int>(m_arrNames.size()); }
    // An empty text for an empty entry.
    const CString& operator[](int nIndex) const {
        return m_arrNames.at(static_cast<size_t>(nIndex));
    }

    // Puts the path at the top; an entry for the same document moves up instead of
    // being repeated, and when the list is full the oldest entry drops out.
    virtual void Add(LPCTSTR lpszPathName);
    // Removes the entry; those below it move up.
    virtual void Remove(int nIndex);

    // The text the menu shows for entry nIndex: the file name alone when the file is in
    // lpszCurDir, else the path shortened to the display length by putting "..." in
    // place of leading folders. With bAtLeastName the file name is given even when it
    // alone is longer than that. FALSE for an empty entry.
    virtual BOOL GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir,
                                BOOL bAtLeastName = TRUE) const;
    // Puts the entries into the menu in place of the item of the update request (the
    // first recent-file command), each as "&1 name" with its own command; with no
    // entries the item stays as it is, greyed.
    virtual void UpdateMenu(CCmdUI* pCmdUI);

    // From and to the application's profile. A missing value is an empty entry; writing
    // replaces the section with the entries that are not empty, each under its number.
    virtual void ReadList();
    virtual void WriteList();

    UINT m_nStart;
    CString m_strSectionName;
    CString m_strEntryFormat;
    int m_nMaxDisplayLength;
    std::vector<CString> m_arrNames;

private:
    CString EntryName(int nIndex) const;
    // The placeholder item's text, put back when the list has become empty.
    CString m_strOriginal;
};

// The path shortened to at most cchMax characters by replacing leading folders with
// "..." ("/.../nested/folder/file.txt"). When even the file name does not fit, the
// file name alone (bAtLeastName) or an empty text.
CString AfxAbbreviateName(LPCTSTR lpszCanon, int cchMax, BOOL bAtLeastName);
