// Files for documents. Reading shares the file with other readers only; writing a
// new file goes to a temporary file beside it, which replaces the old file only
// when Close succeeds, so that a failed save leaves the old file as it was.
#pragma once

#include <cstdint>

#include "framework/exception.h"

class CFileException : public CException {
public:
    enum Cause {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    explicit CFileException(int cause = none, int lOsError = 0, LPCTSTR lpszFileName = nullptr)
        : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName) {}

    // The cause for a system error number met while accessing lpszFileName.
    static int OsErrorToException(int osError, LPCTSTR lpszFileName = nullptr);
    [[noreturn]] static void ThrowOsError(int osError, LPCTSTR lpszFileName);

    // The cause's text (string AFX_IDP_FILE_NONE + cause) naming the full path.
    BOOL GetErrorMessage(CString& rMessage) const override;

    int m_cause;
    int m_lOsError;
    CString m_strFileName;
};

struct CFileStatus {
    enum Attribute : BYTE { normal = 0x00, readOnly = 0x01, directory = 0x10 };
    BYTE m_attribute = normal;
    std::uint64_t m_size = 0;
    CString m_szFullName;
};

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    // An open file is abandoned: a file being created never replaces the old one.
    virtual ~CFile();

    // FALSE with the cause in *pError (when given) on failure.
    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    // These throw CFileException on failure.
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void Flush();
    // Closes the file; a file opened with modeCreate now replaces the old one.
    virtual void Close();
    // Closes without throwing and without replacing anything.
    virtual void Abort();
    virtual std::uint64_t GetLength() const;

    BOOL IsOpen() const { return m_fd >= 0; }
    const CString& GetFilePath() const { return m_strFileName; }

    // FALSE when the file's attributes cannot be read (it does not exist, say).
    static BOOL GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus);

private:
    void Reset();

    int m_fd = -1;
    int m_lockFd = -1;  // holds the lock on the file that a new one will replace
    CString m_strFileName;
    CString m_strTempName;  // set while a new file is being written
    CString m_strTarget;    // the file the new one replaces (a link's target)
};
