// Path names of documents: how the framework makes them full, compares them and
// shows them.
#pragma once

#include "framework/cstring.h"

// The absolute, cleaned form of a path (relative names are taken from the current
// folder); symbolic links are kept as written. An empty name stays empty.
CString AfxFullPath(LPCTSTR lpszFileIn);
// TRUE when both name the same document. Document identity ignores letter case, so
// "/tmp/A.txt" and "/tmp/a.txt" count as one document.
BOOL AfxComparePath(LPCTSTR lpszPath1, LPCTSTR lpszPath2);
// The name a document with this path shows as its title: the last path component.
CString AfxGetFileTitle(LPCTSTR lpszPathName);
