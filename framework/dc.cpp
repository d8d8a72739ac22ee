#include "framework/dc.h"

#include <QPaintDevice>

int CDC::GetDeviceCaps(int nIndex) const {
    if (m_pDevice == nullptr) {
        return 0;
    }
    switch (nIndex) {
        case HORZRES:
            return m_pDevice->width();
        case VERTRES:
            return m_pDevice->height();
        case LOGPIXELSX:
            return m_pDevice->logicalDpiX();
        case LOGPIXELSY:
            return m_pDevice->logicalDpiY();
        default:
            return 0;
    }
}
