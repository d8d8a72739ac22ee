// The single-document template: one document, frame and view, made by class and
// reused for every New and Open; the document manager's Open of a path that is
// already the document; and the document going with its main window.
#include "framework/doc_template.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <utility>

#include "framework/afx_ids.h"
#include "framework/app.h"
#include "framework/doc_manager.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/recent_file_list.h"
#include "framework/resources.h"
#include "framework/view.h"
#include "qt_app_fixture.h"

namespace {

int g_docsAlive = 0;
BOOL g_newDocumentResult = TRUE;

class CTplDoc : public CDocument {
    DECLARE_DYNCREATE(CTplDoc)

public:
    CTplDoc() { ++g_docsAlive; }
    ~CTplDoc() override { --g_docsAlive; }
    BOOL OnNewDocument() override { return CDocument::OnNewDocument() && g_newDocumentResult; }
};
IMPLEMENT_DYNCREATE(CTplDoc, CDocument)

class CTplView : public CView {
    DECLARE_DYNCREATE(CTplView)

public:
    int m_initialUpdates = 0;
    void OnInitialUpdate() override { ++m_initialUpdates; }
};
IMPLEMENT_DYNCREATE(CTplView, CView)

constexpr UINT kTemplateId = 300;
constexpr StringResource kStrings[] = {
    {kTemplateId, "Tpl\n\nTpl\n\n\nTpl.Document\nTpl Document"},
};

const AfxResourceSet& TemplateResources() {
    static const AfxResourceSet set{kStrings, {}, {}, {}, {}, {}, {}, {}, nullptr};
    return set;
}

const AfxResourceSet& NoResources() {
    static const AfxResourceSet set{};
    return set;
}

class TemplateTest : public ::testing::Test {
protected:
    void SetUp() override {
        AfxSetResources(TemplateResources());
        g_newDocumentResult = TRUE;
        g_docsAlive = 0;
        m_app.LoadStdProfileSettings(0);
        m_app.m_pRecentFileList =
            std::make_unique<CRecentFileList>(0, "Recent File List", "File%d", 4, 30);
        m_app.AddDocTemplate(new CSingleDocTemplate(kTemplateId, RUNTIME_CLASS(CTplDoc),
                                                    RUNTIME_CLASS(CFrameWnd),
                                                    RUNTIME_CLASS(CTplView)));
    }
    void TearDown() override {
        // Destroyed as the main window, it would end the message loops of later tests.
        if (CWnd* main = std::exchange(m_app.m_pMainWnd, nullptr)) {
            main->DestroyWindow();
        }
        AfxSetResources(NoResources());
    }

    CDocTemplate* Template() const { return m_app.m_pDocManager->GetTemplates().front(); }
    CFrameWnd* Frame() const { return dynamic_cast<CFrameWnd*>(m_app.m_pMainWnd); }
    CTplView* View() const { return dynamic_cast<CTplView*>(Frame()->GetActiveView()); }
    CString Caption() const {
        CString text;
        m_app.m_pMainWnd->GetWindowText(text);
        return text;
    }
    QString MakeFile(const char* name) const {
        const QString path = m_dir.path() + "/" + name;
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        return path;
    }

    CWinApp m_app{"Tpl"};
    QTemporaryDir m_dir;
};

TEST_F(TemplateTest, NewMakesDocumentFrameAndViewOnceAndReusesThem) {
    m_app.OnFileNew();
    ASSERT_NE(Frame(), nullptr);
    CDocument* doc = Template()->GetDocuments().front();
    CTplView* view = View();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetDocument(), doc);
    EXPECT_EQ(doc->GetTitle().str(), "Untitled");
    EXPECT_EQ(Caption().str(), "Untitled - Tpl");
    EXPECT_EQ(view->m_initialUpdates, 1);

    CWnd* frame = m_app.m_pMainWnd;
    m_app.OnFileNew();
    EXPECT_EQ(m_app.m_pMainWnd, frame);
    EXPECT_EQ(View(), view);
    EXPECT_EQ(Template()->GetDocuments(), std::vector<CDocument*>{doc});
    EXPECT_EQ(view->m_initialUpdates, 2);
    EXPECT_EQ(g_docsAlive, 1);
}

TEST_F(TemplateTest, OpenTakesTheFullPathAndItsNameAndAgainOnlyActivates) {
    const QString path = MakeFile("Calc.txt");
    QDir::setCurrent(m_dir.path());
    CDocument* doc = m_app.OpenDocumentFile("Calc.txt");
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetPathName().str(), path.toStdString());
    EXPECT_EQ(doc->GetTitle().str(), "Calc.txt");
    EXPECT_EQ(Caption().str(), "Calc.txt - Tpl");
    EXPECT_EQ((*m_app.m_pRecentFileList)[0].str(), path.toStdString());
    EXPECT_EQ(View()->m_initialUpdates, 1);

    // The same document in other letters: nothing is opened, the form is not reset.
    EXPECT_EQ(m_app.OpenDocumentFile(path.toUpper().toUtf8().constData()), doc);
    EXPECT_EQ(View()->m_initialUpdates, 1);

    const QString other = MakeFile("other");
    EXPECT_EQ(m_app.OpenDocumentFile(other.toUtf8().constData()), doc);
    EXPECT_EQ(doc->GetTitle().str(), "other");
    EXPECT_EQ(View()->m_initialUpdates, 2);

    m_app.OnFileNew();
    EXPECT_TRUE(doc->GetPathName().IsEmpty());
    EXPECT_EQ(Caption().str(), "Untitled - Tpl");
    EXPECT_EQ(View()->m_initialUpdates, 3);
}

TEST_F(TemplateTest, TheStartUpShowStateIsForTheFirstShowingOnly) {
    m_app.m_nCmdShow = SW_SHOWMAXIMIZED;
    m_app.OnFileNew();
    EXPECT_TRUE(m_app.m_pMainWnd->IsZoomed());
    m_app.OnFileNew();
    EXPECT_TRUE(m_app.m_pMainWnd->IsZoomed());
    m_app.m_pMainWnd->ShowWindow(SW_SHOWMINIMIZED);
    m_app.OpenDocumentFile(MakeFile("a.txt").toUtf8().constData());
    EXPECT_FALSE(m_app.m_pMainWnd->IsIconic());
    EXPECT_TRUE(m_app.m_pMainWnd->IsWindowVisible());
}

TEST_F(TemplateTest, AFirstNewThatFailsLeavesNoWindowAndNoDocument) {
    g_newDocumentResult = FALSE;
    m_app.OnFileNew();
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
    EXPECT_TRUE(Template()->GetDocuments().empty());
    EXPECT_EQ(g_docsAlive, 0);
}

TEST_F(TemplateTest, ALaterNewThatFailsKeepsTheDocumentAndItsWindow) {
    m_app.OnFileNew();
    g_newDocumentResult = FALSE;
    m_app.OnFileNew();
    EXPECT_NE(m_app.m_pMainWnd, nullptr);
    EXPECT_EQ(View()->m_initialUpdates, 1);
    EXPECT_EQ(g_docsAlive, 1);
}

TEST_F(TemplateTest, AFileThatCannotBeOpenedAtFirstLeavesNoWindowAndNoDocument) {
    QString shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->close();
        }
    });
    closer.start(10);
    const QString missing = m_dir.path() + "/missing.txt";
    EXPECT_EQ(m_app.OpenDocumentFile(missing.toUtf8().constData()), nullptr);
    EXPECT_TRUE(shown.contains(missing)) << shown.toStdString();
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
    EXPECT_EQ(g_docsAlive, 0);
    EXPECT_TRUE((*m_app.m_pRecentFileList)[0].IsEmpty());
}

TEST_F(TemplateTest, TheDocumentGoesWithTheMainWindow) {
    m_app.OnFileNew();
    ASSERT_EQ(g_docsAlive, 1);
    m_app.m_pMainWnd->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
    QCoreApplication::processEvents();  // the request to end the loop, with no loop running
    EXPECT_EQ(g_docsAlive, 0);
    EXPECT_TRUE(Template()->GetDocuments().empty());
}

TEST_F(TemplateTest, TheTemplateStringHasSevenFields) {
    const char* expected[] = {"Tpl", "", "Tpl", "", "", "Tpl.Document", "Tpl Document"};
    for (int i = 0; i < 7; ++i) {
        CString field;
        Template()->GetDocString(field, static_cast<CDocTemplate::DocStringIndex>(i));
        EXPECT_EQ(field.str(), expected[i]) << "field " << i;
    }
}

}  // namespace
