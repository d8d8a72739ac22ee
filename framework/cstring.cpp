#include "framework/cstring.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "framework/resources.h"

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed < 0) {
        m_text.clear();
    } else {
        std::vector<char> buffer(static_cast<size_t>(needed) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        m_text.assign(buffer.data(), static_cast<size_t>(needed));
    }
    va_end(args);
}

BOOL CString::LoadString(UINT nID) {
    const char* text = AfxFindString(nID);
    m_text = text != nullptr ? text : "";
    return text != nullptr;
}
