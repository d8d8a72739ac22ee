// The layer's string: UTF-8 text with printf-style formatting.
#pragma once

#include <string>
#include <string_view>

#include "framework/afx_types.h"

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text != nullptr ? text : "") {}  // NOLINT: like a text
    CString(std::string text) : m_text(std::move(text)) {}              // NOLINT
    CString(std::string_view text) : m_text(text) {}                    // NOLINT

    operator LPCTSTR() const { return m_text.c_str(); }  // NOLINT: passes where a text goes
    const std::string& str() const { return m_text; }
    int GetLength() const { return static_cast<int>(m_text.size()); }
    BOOL IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }

    // printf-style formatting; "%d", "%x" and "%s%4x" give the C library's texts.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // The text of string resource nID; FALSE (and empty) when there is none.
    BOOL LoadString(UINT nID);

    CString& operator+=(const CString& other) {
        m_text += other.m_text;
        return *this;
    }
    friend CString operator+(CString a, const CString& b) { return a += b; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }

private:
    std::string m_text;
};
