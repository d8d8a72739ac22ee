#include "framework/font_config_preload.h"

#if QUARVEL_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

AfxFontConfigPreload::AfxFontConfigPreload() {
#if QUARVEL_HAVE_FONTCONFIG
    m_thread = std::thread([]() { FcInit(); });
#endif
}

AfxFontConfigPreload::~AfxFontConfigPreload() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}
