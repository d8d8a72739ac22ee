// Inside the layer: the frame's sides (CBRS_ALIGN_*) as Qt's toolbar areas. Uses
// Qt; the program's own code never includes this header.
#pragma once

#include <Qt>

#include "framework/afx_styles.h"

// The side an alignment style names: the first of top, bottom, left and right in it.
inline Qt::ToolBarArea AfxToolBarArea(DWORD alignStyle) {
    if ((alignStyle & CBRS_ALIGN_TOP) != 0) {
        return Qt::TopToolBarArea;
    }
    if ((alignStyle & CBRS_ALIGN_BOTTOM) != 0) {
        return Qt::BottomToolBarArea;
    }
    if ((alignStyle & CBRS_ALIGN_LEFT) != 0) {
        return Qt::LeftToolBarArea;
    }
    if ((alignStyle & CBRS_ALIGN_RIGHT) != 0) {
        return Qt::RightToolBarArea;
    }
    return Qt::NoToolBarArea;
}

inline DWORD AfxAlignStyle(Qt::ToolBarArea area) {
    switch (area) {
        case Qt::TopToolBarArea:
            return CBRS_ALIGN_TOP;
        case Qt::BottomToolBarArea:
            return CBRS_ALIGN_BOTTOM;
        case Qt::LeftToolBarArea:
            return CBRS_ALIGN_LEFT;
        case Qt::RightToolBarArea:
            return CBRS_ALIGN_RIGHT;
        default:
            return 0;
    }
}

inline Qt::ToolBarAreas AfxToolBarAreas(DWORD sides) {
    Qt::ToolBarAreas areas;
    areas.setFlag(Qt::TopToolBarArea, (sides & CBRS_ALIGN_TOP) != 0);
    areas.setFlag(Qt::BottomToolBarArea, (sides & CBRS_ALIGN_BOTTOM) != 0);
    areas.setFlag(Qt::LeftToolBarArea, (sides & CBRS_ALIGN_LEFT) != 0);
    areas.setFlag(Qt::RightToolBarArea, (sides & CBRS_ALIGN_RIGHT) != 0);
    return areas;
}
