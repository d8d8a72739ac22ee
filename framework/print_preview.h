// Inside the layer: print preview, which takes the view's place in its frame.
#pragma once

#include <memory>

#include "framework/afx_types.h"

class CView;
class CPrintInfo;

// Calls OnBeginPrinting and puts the preview window, with its toolbar (Print, Next
// Page, Prev Page, One/Two Page, Zoom In, Zoom Out, Close), in place of the view.
// Closing it calls OnEndPrinting and shows the view again as it was.
BOOL AfxBeginPrintPreview(CView* pView, std::unique_ptr<CPrintInfo> pInfo);
// TRUE while the view's frame shows a preview.
BOOL AfxIsInPrintPreview(const CView* pView);
