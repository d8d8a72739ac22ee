// A document in a frame with a view, as the program has them: the view shows a text
// field (what the user typed must survive preview and failed opens), binds the print
// commands and records the printing hooks it is called for.
#pragma once

#include <QLineEdit>
#include <functional>
#include <string>
#include <vector>

#include "framework/app.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/view.h"

class CTestDoc : public CDocument {
    DECLARE_DYNCREATE(CTestDoc)

public:
    int m_serializeLoads = 0;
    int m_serializeStores = 0;
    // Set to make the next Serialize fail as a damaged file would.
    bool m_failNextSerialize = false;
    void Serialize(CArchive& ar) override;
};

class CTestView : public CView {
    DECLARE_DYNCREATE(CTestView)

public:
    QLineEdit* m_edit = nullptr;
    std::vector<std::string> m_calls;
    // Runs inside OnPrint, while the job is printing.
    std::function<void()> m_duringPrint;

    int m_initialUpdates = 0;
    // The form's defaults: the field empties.
    void OnInitialUpdate() override;

    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
};

class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp("Quarvel") {}
    DECLARE_MESSAGE_MAP()
};

// The frame (the main window) with its view on a document that the window owns.
class TestWindow {
public:
    TestWindow();
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    // Sends a command as the menu does.
    void Command(UINT id);
    std::string Caption() const;

    CTestApp* m_app;
    CTestDoc m_doc;
    CFrameWnd* m_frame = nullptr;
    CTestView* m_view = nullptr;
};
