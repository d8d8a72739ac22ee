#include "framework/archive.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "framework/file.h"

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize)
    : m_pFile(pFile), m_nMode(nMode), m_nBufSize(static_cast<std::size_t>(std::max(nBufSize, 16))) {
    m_buffer.reserve(m_nBufSize);
}

UINT CArchive::Read(void* lpBuf, UINT nMax) {
    if (!IsLoading() || m_pFile == nullptr) {
        throw CArchiveException(CArchiveException::genericException);
    }
    auto* out = static_cast<BYTE*>(lpBuf);
    UINT done = 0;
    while (done < nMax) {
        if (m_readPos == m_buffer.size()) {
            m_buffer.resize(m_nBufSize);
            const UINT got = m_pFile->Read(m_buffer.data(), static_cast<UINT>(m_nBufSize));
            m_buffer.resize(got);
            m_readPos = 0;
            if (got == 0) {
                break;
            }
        }
        const std::size_t take = std::min<std::size_t>(nMax - done, m_buffer.size() - m_readPos);
        std::memcpy(out + done, m_buffer.data() + m_readPos, take);
        m_readPos += take;
        done += static_cast<UINT>(take);
    }
    return done;
}

void CArchive::Write(const void* lpBuf, UINT nMax) {
    if (!IsStoring() || m_pFile == nullptr) {
        throw CArchiveException(CArchiveException::genericException);
    }
    const auto* in = static_cast<const BYTE*>(lpBuf);
    if (m_buffer.size() + nMax > m_nBufSize) {
        Flush();
    }
    if (nMax >= m_nBufSize) {
        m_pFile->Write(in, nMax);
        return;
    }
    m_buffer.insert(m_buffer.end(), in, in + nMax);
}

void CArchive::Flush() {
    if (IsStoring() && m_pFile != nullptr && !m_buffer.empty()) {
        m_pFile->Write(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
        m_buffer.clear();
    }
}

void CArchive::Close() {
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort() {
    m_buffer.clear();
    m_pFile = nullptr;
}

void CArchive::ReadExactly(void* lpBuf, UINT nCount) {
    if (Read(lpBuf, nCount) != nCount) {
        throw CArchiveException(CArchiveException::endOfFile,
                                m_pFile != nullptr ? m_pFile->GetFilePath() : CString());
    }
}

namespace {

template <typename T>
void PutLittleEndian(CArchive& ar, T value) {
    BYTE bytes[sizeof(T)];
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        bytes[i] = static_cast<BYTE>(value >> (8 * i));
    }
    ar.Write(bytes, sizeof(T));
}

template <typename T>
T FromLittleEndian(const BYTE (&bytes)[sizeof(T)]) {
    T value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        value = static_cast<T>(value | static_cast<T>(static_cast<T>(bytes[i]) << (8 * i)));
    }
    return value;
}

}  // namespace

CArchive& CArchive::operator<<(BYTE value) {
    Write(&value, 1);
    return *this;
}

CArchive& CArchive::operator<<(WORD value) {
    PutLittleEndian(*this, value);
    return *this;
}

CArchive& CArchive::operator<<(DWORD value) {
    PutLittleEndian(*this, value);
    return *this;
}

CArchive& CArchive::operator<<(const CString& value) {
    *this << static_cast<DWORD>(value.GetLength());
    Write(value.str().data(), static_cast<UINT>(value.GetLength()));
    return *this;
}

CArchive& CArchive::operator>>(BYTE& value) {
    ReadExactly(&value, 1);
    return *this;
}

CArchive& CArchive::operator>>(WORD& value) {
    BYTE bytes[sizeof(WORD)];
    ReadExactly(bytes, sizeof bytes);
    value = FromLittleEndian<WORD>(bytes);
    return *this;
}

CArchive& CArchive::operator>>(DWORD& value) {
    BYTE bytes[sizeof(DWORD)];
    ReadExactly(bytes, sizeof bytes);
    value = FromLittleEndian<DWORD>(bytes);
    return *this;
}

CArchive& CArchive::operator>>(CString& value) {
    DWORD length = 0;
    *this >> length;
    std::string text;
    // Grows with what the file really holds, so a damaged length cannot ask for gigabytes.
    char chunk[4096];
    while (length > 0) {
        const UINT want = std::min<DWORD>(length, sizeof chunk);
        ReadExactly(chunk, want);
        text.append(chunk, want);
        length -= want;
    }
    value = CString(std::move(text));
    return *this;
}
