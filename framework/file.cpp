#include "framework/file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "framework/afx_ids.h"
#include "framework/message_box.h"

namespace {

std::string FullPath(LPCTSTR name) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(name, error);
    return error ? std::string(name) : full.lexically_normal().string();
}

bool FolderExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(std::filesystem::path(path).parent_path(), error);
}

// Written files get the permissions a newly created file would get.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool IsReadOnly(const std::string& path, const struct stat& st) {
    // Root may write anything; a file without any write bit still counts as read-only.
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

bool Fail(CFileException* pError, int cause, int osError, const std::string& path) {
    if (pError != nullptr) {
        *pError = CFileException(cause, osError, path.c_str());
    }
    return false;
}

bool FailOs(CFileException* pError, int osError, const std::string& path) {
    return Fail(pError, CFileException::OsErrorToException(osError, path.c_str()), osError, path);
}

}  // namespace

int CFileException::OsErrorToException(int osError, LPCTSTR lpszFileName) {
    switch (osError) {
        case 0:
            return none;
        case ENOENT:
            // A missing folder is a bad path; a missing file in an existing folder is not found.
            return lpszFileName != nullptr && !FolderExists(lpszFileName) ? badPath : fileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
        case ELOOP:
            return badPath;
        case EMFILE:
        case ENFILE:
            return tooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
            return accessDenied;
        case EISDIR:
            return invalidFile;
        case EBUSY:
        case ETXTBSY:
        case EWOULDBLOCK:
            return sharingViolation;
        case ENOLCK:
        case EDEADLK:
            return lockViolation;
        case ENOSPC:
        case EDQUOT:
            return diskFull;
        case EMLINK:
            return directoryFull;
        case ESPIPE:
            return badSeek;
        case EIO:
            return hardIO;
        default:
            return genericException;
    }
}

void CFileException::ThrowOsError(int osError, LPCTSTR lpszFileName) {
    throw CFileException(OsErrorToException(osError, lpszFileName), osError, lpszFileName);
}

BOOL CFileException::GetErrorMessage(CString& rMessage) const {
    const int cause = m_cause == endOfFile ? genericException : m_cause;
    AfxFormatString1(rMessage, AFX_IDP_FILE_NONE + static_cast<UINT>(cause), m_strFileName);
    return TRUE;
}

CFile::~CFile() {
    Abort();
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    Abort();
    const std::string path = FullPath(lpszFileName);
    m_strFileName = CString(path);
    const UINT access = nOpenFlags & 0x3;
    const UINT share = nOpenFlags & 0x70;

    if ((nOpenFlags & modeCreate) != 0 && (nOpenFlags & modeNoTruncate) == 0) {
        // A new file: written beside the target under a temporary name, renamed over
        // it on Close. The target itself (the file a link points to) is locked, so a
        // file that someone is reading is not replaced.
        std::string target = path;
        struct stat st {};
        mode_t mode = NewFileMode();
        if (::stat(path.c_str(), &st) == 0) {
            if (S_ISDIR(st.st_mode)) {
                return Fail(pError, CFileException::invalidFile, EISDIR, path);
            }
            if (IsReadOnly(path, st)) {
                return Fail(pError, CFileException::accessDenied, EACCES, path);
            }
            char resolved[PATH_MAX];
            if (::realpath(path.c_str(), resolved) != nullptr) {
                target = resolved;
            }
            mode = st.st_mode & 07777;
            m_lockFd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
            if (m_lockFd >= 0 && share != shareDenyNone &&
                ::flock(m_lockFd, LOCK_EX | LOCK_NB) != 0) {
                const int error = errno;
                Reset();
                return FailOs(pError, error, path);
            }
        }
        std::string temp = target + ".XXXXXX";
        temp.insert(temp.rfind('/') + 1, ".");
        m_fd = ::mkostemp(temp.data(), O_CLOEXEC);
        if (m_fd < 0) {
            const int error = errno;
            Reset();
            return FailOs(pError, error, path);
        }
        m_strTempName = CString(temp);
        if (::fchmod(m_fd, mode) != 0) {
            const int error = errno;
            Abort();
            return FailOs(pError, error, path);
        }
        m_strTarget = CString(target);
        return TRUE;
    }

    int flags = O_CLOEXEC;
    flags |= access == modeWrite ? O_WRONLY : access == modeReadWrite ? O_RDWR : O_RDONLY;
    if ((nOpenFlags & modeCreate) != 0) {
        flags |= O_CREAT;
    }
    m_fd = ::open(path.c_str(), flags, 0666);
    if (m_fd < 0) {
        const int error = errno;
        Reset();
        return FailOs(pError, error, path);
    }
    struct stat st {};
    if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        Reset();
        return Fail(pError, CFileException::invalidFile, EISDIR, path);
    }
    // Deny-write and exclusive sharing hold against every other opener that asks
    // for sharing too.
    int lock = 0;
    if (share == shareDenyWrite) {
        lock = LOCK_SH;
    } else if (share == shareExclusive || share == shareDenyRead) {
        lock = LOCK_EX;
    }
    if (lock != 0 && ::flock(m_fd, lock | LOCK_NB) != 0) {
        const int error = errno;
        Reset();
        return FailOs(pError, error, path);
    }
    m_strFileName = CString(path);
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
    auto* bytes = static_cast<char*>(lpBuf);
    UINT done = 0;
    while (done < nCount) {
        const ssize_t n = ::read(m_fd, bytes + done, nCount - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            CFileException::ThrowOsError(errno, m_strFileName);
        }
        if (n == 0) {
            break;
        }
        done += static_cast<UINT>(n);
    }
    return done;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
    const auto* bytes = static_cast<const char*>(lpBuf);
    UINT done = 0;
    while (done < nCount) {
        const ssize_t n = ::write(m_fd, bytes + done, nCount - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            CFileException::ThrowOsError(errno, m_strFileName);
        }
        done += static_cast<UINT>(n);
    }
}

void CFile::Flush() {
    if (m_fd >= 0 && ::fsync(m_fd) != 0 && errno != EINVAL) {
        CFileException::ThrowOsError(errno, m_strFileName);
    }
}

void CFile::Close() {
    if (m_fd < 0) {
        return;
    }
    if (!m_strTempName.IsEmpty()) {
        // The new file reaches the disk before it takes the old one's name.
        Flush();
        if (::close(m_fd) != 0) {
            m_fd = -1;
            const int error = errno;
            Abort();
            CFileException::ThrowOsError(error, m_strFileName);
        }
        m_fd = -1;
        if (::rename(m_strTempName, m_strTarget) != 0) {
            const int error = errno;
            Abort();
            CFileException::ThrowOsError(error, m_strFileName);
        }
        m_strTempName.Empty();
        Reset();
        return;
    }
    const int result = ::close(m_fd);
    m_fd = -1;
    const int error = errno;
    Reset();
    if (result != 0) {
        CFileException::ThrowOsError(error, m_strFileName);
    }
}

void CFile::Abort() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_strTempName.IsEmpty()) {
        ::unlink(m_strTempName);
        m_strTempName.Empty();
    }
    Reset();
}

std::uint64_t CFile::GetLength() const {
    struct stat st {};
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0) {
        CFileException::ThrowOsError(m_fd < 0 ? EBADF : errno, m_strFileName);
    }
    return static_cast<std::uint64_t>(st.st_size);
}

BOOL CFile::GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus) {
    const std::string path = FullPath(lpszFileName);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return FALSE;
    }
    rStatus.m_szFullName = CString(path);
    rStatus.m_size = static_cast<std::uint64_t>(st.st_size);
    rStatus.m_attribute = CFileStatus::normal;
    if (S_ISDIR(st.st_mode)) {
        rStatus.m_attribute |= CFileStatus::directory;
    }
    if (IsReadOnly(path, st)) {
        rStatus.m_attribute |= CFileStatus::readOnly;
    }
    return TRUE;
}

// Lets go of everything but the name, which error texts still need.
void CFile::Reset() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (m_lockFd >= 0) {
        ::close(m_lockFd);
        m_lockFd = -1;
    }
    m_strTarget.Empty();
}
