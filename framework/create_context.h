// What a frame needs to create its view for a document.
#pragma once

#include "framework/object.h"

class CDocument;
class CDocTemplate;
class CFrameWnd;
class CView;

struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};
