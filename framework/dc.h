// Device contexts: what a view draws on, on screen, on paper or in print preview.
#pragma once

#include "framework/afx_types.h"

class QPainter;
class QPaintDevice;

constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;

class CDC {
public:
    CDC() = default;
    CDC(QPainter* painter, QPaintDevice* device, BOOL bPrinting)
        : m_hDC(painter), m_pDevice(device), m_bPrinting(bPrinting) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() = default;

    BOOL IsPrinting() const { return m_bPrinting; }
    // Sizes of the device: HORZRES, VERTRES (pixels), LOGPIXELSX, LOGPIXELSY.
    int GetDeviceCaps(int nIndex) const;

    QPainter* m_hDC = nullptr;  // null while nothing can be drawn
    QPaintDevice* m_pDevice = nullptr;
    BOOL m_bPrinting = FALSE;
};
