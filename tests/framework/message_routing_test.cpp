// Message tables, window messages and the command route through real windows.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <vector>

#include "framework/afx_ids.h"
#include "framework/app.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/view.h"
#include "qt_app_fixture.h"

namespace {

std::vector<std::string> g_calls;

class CTestDoc : public CDocument {
    DECLARE_DYNCREATE(CTestDoc)
    void OnSave() { g_calls.push_back("doc:save"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestDoc, CDocument)
BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
ON_COMMAND(ID_FILE_SAVE, &CTestDoc::OnSave)
END_MESSAGE_MAP()

class CBaseView : public CView {
    DECLARE_DYNCREATE(CBaseView)

protected:
    void OnCut() { g_calls.push_back("base:cut"); }
    void OnCopy() { g_calls.push_back("base:copy"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CBaseView, CView)
BEGIN_MESSAGE_MAP(CBaseView, CView)
ON_COMMAND(ID_EDIT_CUT, &CBaseView::OnCut)
ON_COMMAND(ID_EDIT_COPY, &CBaseView::OnCopy)
END_MESSAGE_MAP()

class CTestView : public CBaseView {
    DECLARE_DYNCREATE(CTestView)

public:
    int m_created = 0;
    int m_initialUpdates = 0;
    void OnInitialUpdate() override { ++m_initialUpdates; }

protected:
    int OnCreate(LPCREATESTRUCT lpcs) {
        ++m_created;
        return CBaseView::OnCreate(lpcs);
    }
    void OnCopyHere() { g_calls.push_back("view:copy"); }
    void OnUpdateCopy(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestView, CBaseView)
BEGIN_MESSAGE_MAP(CTestView, CBaseView)
ON_WM_CREATE()
ON_COMMAND(ID_EDIT_COPY, &CTestView::OnCopyHere)
ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, &CTestView::OnUpdateCopy)
END_MESSAGE_MAP()

class CTestApp : public CWinApp {
    void OnAbout() { g_calls.push_back("app:about"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
ON_COMMAND(ID_APP_ABOUT, &CTestApp::OnAbout)
END_MESSAGE_MAP()

class CEnabledProbe : public CCmdUI {
public:
    BOOL enabled = TRUE;

protected:
    void ApplyEnable(BOOL bOn) override { enabled = bOn; }
};

BOOL IsEnabled(CCmdTarget* target, UINT id) {
    CEnabledProbe probe;
    probe.m_nID = id;
    probe.DoUpdate(target, TRUE);
    return probe.enabled;
}

TEST(MessageRouting, CommandsTravelViewDocumentFrameApplication) {
    CTestApp app;
    CTestDoc doc;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CTestView);
    context.m_pCurrentDoc = &doc;
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "Test", WS_OVERLAPPEDWINDOW, RECT{0, 0, 300, 200}, nullptr,
                              nullptr, 0, &context));
    frame->InitialUpdateFrame(&doc, FALSE);
    auto* view = dynamic_cast<CTestView*>(frame->GetActiveView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_created, 1);
    EXPECT_EQ(view->m_initialUpdates, 1);
    EXPECT_EQ(view->GetDocument(), &doc);

    g_calls.clear();
    for (UINT id : {ID_EDIT_COPY, ID_EDIT_CUT, ID_FILE_SAVE, ID_APP_ABOUT}) {
        frame->SendMessage(WM_COMMAND, id, 0);
    }
    // The most derived table wins; the base's table still serves what it alone has.
    EXPECT_EQ(g_calls,
              (std::vector<std::string>{"view:copy", "base:cut", "doc:save", "app:about"}));

    // Commands nobody handles, and those an update handler disables, are disabled
    // and do nothing when sent.
    EXPECT_TRUE(IsEnabled(frame, ID_FILE_SAVE));
    EXPECT_FALSE(IsEnabled(frame, ID_EDIT_UNDO));
    EXPECT_FALSE(IsEnabled(frame, ID_EDIT_PASTE));
    EXPECT_FALSE(IsEnabled(frame, ID_NEXT_PANE));
    g_calls.clear();
    frame->SendMessage(WM_COMMAND, ID_EDIT_UNDO, 0);
    EXPECT_TRUE(g_calls.empty());

    frame->DestroyWindow();  // deletes frame and view
    EXPECT_TRUE(doc.GetViews().empty());
}

TEST(Windows, TextGoesThroughABufferOfLimitedSize) {
    CWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, nullptr, "0123456789abcdefghijKLMN", WS_POPUP, 0, 0, 10, 10, nullptr, 0));
    char buffer[20];
    EXPECT_EQ(wnd.GetWindowText(buffer, 20), 19);
    EXPECT_STREQ(buffer, "0123456789abcdefghi");
    wnd.SetWindowText("a\xC3\xA9");  // "aé": the two-byte character is never split
    EXPECT_EQ(wnd.GetWindowText(buffer, 3), 1);
    EXPECT_STREQ(buffer, "a");
    CString all;
    wnd.GetWindowText(all);
    EXPECT_EQ(all, CString("a\xC3\xA9"));
}

}  // namespace
