// Archives: a document's Serialize reads from or writes to a file through one.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/cstring.h"
#include "framework/exception.h"

class CDocument;
class CFile;

class CArchiveException : public CException {
public:
    enum Cause { none, genericException, endOfFile, badIndex, badClass, badSchema };
    explicit CArchiveException(int cause = none, LPCTSTR lpszArchiveName = nullptr)
        : m_cause(cause), m_strFileName(lpszArchiveName) {}

    int m_cause;
    CString m_strFileName;
};

class CArchive {
public:
    enum Mode : UINT { store = 0, load = 1 };

    // The archive buffers bytes and passes them to the file, which it does not own.
    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    // An archive that was not closed is abandoned: its buffered bytes are dropped.
    ~CArchive() = default;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    CFile* GetFile() const { return m_pFile; }

    // Up to nMax bytes; fewer only at the end of the file.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    // Passes buffered bytes on to the file (storing).
    void Flush();
    // Flushes and detaches from the file; the caller closes the file.
    void Close();
    void Abort();

    // Fixed-size values in little-endian order; reading past the end throws
    // CArchiveException::endOfFile.
    CArchive& operator<<(BYTE value);
    CArchive& operator<<(WORD value);
    CArchive& operator<<(DWORD value);
    CArchive& operator<<(const CString& value);  // a DWORD length, then the bytes
    CArchive& operator>>(BYTE& value);
    CArchive& operator>>(WORD& value);
    CArchive& operator>>(DWORD& value);
    CArchive& operator>>(CString& value);

    CDocument* m_pDocument = nullptr;

private:
    void ReadExactly(void* lpBuf, UINT nCount);

    CFile* m_pFile;
    UINT m_nMode;
    std::vector<BYTE> m_buffer;
    std::size_t m_nBufSize;
    std::size_t m_readPos = 0;
};
