#include "test_window.h"

#include <QVBoxLayout>

#include "framework/afx_ids.h"
#include "framework/archive.h"
#include "framework/print_info.h"

IMPLEMENT_DYNCREATE(CTestDoc, CDocument)
IMPLEMENT_DYNCREATE(CTestView, CView)

BEGIN_MESSAGE_MAP(CTestView, CView)
ON_WM_CREATE()
ON_COMMAND(ID_FILE_PRINT, &CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, &CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
ON_COMMAND(ID_FILE_OPEN, &CWinApp::OnFileOpen)
ON_COMMAND(ID_FILE_PRINT_SETUP, &CWinApp::OnFilePrintSetup)
END_MESSAGE_MAP()

void CTestDoc::Serialize(CArchive& ar) {
    if (ar.IsLoading()) {
        ++m_serializeLoads;
    } else {
        ++m_serializeStores;
    }
    if (m_failNextSerialize) {
        m_failNextSerialize = false;
        BYTE beyondTheEnd[1 << 16];
        if (ar.IsLoading()) {
            DWORD value = 0;
            ar.Read(beyondTheEnd, sizeof beyondTheEnd);
            ar >> value;  // throws: nothing is left to read
        }
        throw CArchiveException(CArchiveException::badSchema);
    }
}

int CTestView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    m_edit = new QLineEdit(m_hWnd);
    m_edit->setObjectName(QStringLiteral("formField"));
    auto* layout = new QVBoxLayout(m_hWnd);
    layout->addWidget(m_edit);
    return 0;
}

void CTestView::OnInitialUpdate() {
    ++m_initialUpdates;
    if (m_edit != nullptr) {
        m_edit->clear();
    }
    CView::OnInitialUpdate();
}

BOOL CTestView::OnPreparePrinting(CPrintInfo* pInfo) {
    m_calls.push_back("prepare");
    return DoPreparePrinting(pInfo);
}

void CTestView::OnBeginPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {
    m_calls.push_back("begin");
}

void CTestView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
    CView::OnPrepareDC(pDC, pInfo);
    if (pInfo != nullptr && !pInfo->m_bPreview) {
        m_calls.push_back("prepareDC " + std::to_string(pInfo->m_nCurPage) +
                          (pInfo->m_bContinuePrinting ? "" : " stop"));
    }
}

void CTestView::OnPrint(CDC* /*pDC*/, CPrintInfo* pInfo) {
    m_calls.push_back("print " + std::to_string(pInfo->m_nCurPage));
    if (m_duringPrint) {
        m_duringPrint();
    }
}

void CTestView::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {
    m_calls.push_back("end");
}

TestWindow::TestWindow() : m_app(new CTestApp) {
    CString untitled;
    untitled.LoadString(AFX_IDS_UNTITLED);
    m_doc.SetTitle(untitled);
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CTestView);
    context.m_pCurrentDoc = &m_doc;
    m_frame = new CFrameWnd;
    m_frame->Create(nullptr, "Test", WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, RECT{0, 0, 640, 480},
                    nullptr, nullptr, 0, &context);
    m_app->m_pMainWnd = m_frame;
    m_frame->InitialUpdateFrame(&m_doc, TRUE);
    m_view = dynamic_cast<CTestView*>(m_frame->GetActiveView());
}

TestWindow::~TestWindow() {
    m_app->m_pMainWnd = nullptr;
    if (m_frame->m_hWnd != nullptr) {
        m_frame->DestroyWindow();
    }
    delete m_app;
}

void TestWindow::Command(UINT id) {
    m_frame->SendMessage(WM_COMMAND, id, 0);
}

std::string TestWindow::Caption() const {
    CString caption;
    m_frame->GetWindowText(caption);
    return caption.str();
}
