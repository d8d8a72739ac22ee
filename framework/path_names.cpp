#include "framework/path_names.h"

#include <QDir>
#include <QFileInfo>

#include "framework/window_class.h"

CString AfxFullPath(LPCTSTR lpszFileIn) {
    const QString name = AfxQString(lpszFileIn);
    if (name.isEmpty()) {
        return CString();
    }
    return CString(QDir::cleanPath(QFileInfo(name).absoluteFilePath()).toStdString());
}

BOOL AfxComparePath(LPCTSTR lpszPath1, LPCTSTR lpszPath2) {
    return QString::compare(AfxQString(lpszPath1), AfxQString(lpszPath2), Qt::CaseInsensitive) == 0;
}

CString AfxGetFileTitle(LPCTSTR lpszPathName) {
    return CString(QFileInfo(AfxQString(lpszPathName)).fileName().toStdString());
}
