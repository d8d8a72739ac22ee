// New, Open and the recent files through the application's commands, the real Open
// dialog and real files, with the one document template the program has.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <utility>

#include "framework/afx_ids.h"
#include "framework/doc_manager.h"
#include "framework/doc_template.h"
#include "framework/file.h"
#include "framework/recent_file_list.h"
#include "framework/resources.h"
#include "modal_driver.h"
#include "qt_app.h"
#include "test_window.h"

namespace {

constexpr UINT kTemplateId = 128;
constexpr StringResource kStrings[] = {
    {kTemplateId, "Quarvel\n\nQuarv\n\n\nQuarvel.Document\nQuarv Document"},
};

const AfxResourceSet& TemplateResources() {
    static const AfxResourceSet set{kStrings, {}, {}, {}, {}, {}, {}, {}, nullptr};
    return set;
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

class FileOpening : public ::testing::Test {
protected:
    void SetUp() override {
        AfxSetResources(TemplateResources());
        QDir::setCurrent(m_dir.path());
        m_app.m_pRecentFileList =
            std::make_unique<CRecentFileList>(0, "Recent File List", "File%d", 4, 30);
        m_app.AddDocTemplate(new CSingleDocTemplate(kTemplateId, RUNTIME_CLASS(CTestDoc),
                                                    RUNTIME_CLASS(CFrameWnd),
                                                    RUNTIME_CLASS(CTestView)));
        m_app.OnFileNew();
        ASSERT_NE(Frame(), nullptr);
    }
    void TearDown() override {
        if (CWnd* main = std::exchange(m_app.m_pMainWnd, nullptr)) {
            main->DestroyWindow();
        }
        static const AfxResourceSet none{};
        AfxSetResources(none);
    }

    CFrameWnd* Frame() const { return dynamic_cast<CFrameWnd*>(m_app.m_pMainWnd); }
    CTestView* View() const { return dynamic_cast<CTestView*>(Frame()->GetActiveView()); }
    CTestDoc* Doc() const { return dynamic_cast<CTestDoc*>(View()->GetDocument()); }
    std::string Caption() const {
        CString text;
        Frame()->GetWindowText(text);
        return text.str();
    }
    QString Path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }
    void Command(UINT id) { Frame()->SendMessage(WM_COMMAND, id, 0); }
    void Type(const char* text) {
        View()->m_edit->clear();
        QTest::keyClicks(View()->m_edit, text);
    }

    // Open through the menu command, choosing the file in the dialog; the texts of
    // any message boxes that follow.
    std::vector<std::string> OpenThroughDialog(const QString& path, int messages = 0) {
        std::vector<std::string> texts;
        std::vector<ModalDriver::Step> steps = {
            [path](QWidget* dialog) { EnterFileName(dialog, path); }};
        for (int i = 0; i < messages; ++i) {
            steps.push_back([&texts](QWidget* box) {
                texts.push_back(MessageText(box));
                PressButton(box, "OK");
            });
        }
        ModalDriver driver(steps);
        Command(ID_FILE_OPEN);
        EXPECT_TRUE(driver.AllDone());
        return texts;
    }

    QTemporaryDir m_dir;
    CTestApp m_app;
};

TEST_F(FileOpening, TheOpenDialogPresetsNothingAndShowsEveryFile) {
    Write(Path("noext"), "");
    Write(Path("with.ext"), "");
    std::string title;
    QString preset;
    QStringList filters;
    QFileDialog::FileMode mode{};
    bool listsNoExt = false;
    ModalDriver driver({[&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        title = modal->windowTitle().toStdString();
        preset = modal->findChild<QLineEdit*>("fileNameEdit")->text();
        filters = dialog->nameFilters();
        mode = dialog->fileMode();
        dialog->setDirectory(m_dir.path());
        auto* model = dialog->findChild<QFileSystemModel*>();
        for (int tries = 0; tries < 100 && !listsNoExt; ++tries) {
            QTest::qWait(20);
            const QModelIndex index = model->index(Path("noext"));
            listsNoExt = index.isValid() && !model->nameFilters().isEmpty() &&
                         QDir::match(model->nameFilters(), "noext");
        }
        PressButton(modal, "Cancel");
    }});
    Command(ID_FILE_OPEN);
    ASSERT_TRUE(driver.AllDone());
    EXPECT_EQ(title, "Open");
    EXPECT_TRUE(preset.isEmpty());
    EXPECT_EQ(filters, QStringList{"All Files (*.*)"});
    EXPECT_EQ(mode, QFileDialog::ExistingFile);
    EXPECT_TRUE(listsNoExt);
    EXPECT_EQ(Caption(), "Untitled - Quarvel");
}

// Any readable file opens: nothing of it is read, the form returns to its defaults,
// the caption shows the file's name, and the path heads the recent files.
TEST_F(FileOpening, AnyReadableFileOpens) {
    struct Case {
        const char* name;
        QByteArray bytes;
        int serializeCalls;
    };
    const Case cases[] = {
        {"empty", QByteArray(), 0},
        {"notes.txt", "clock 7372800\nbaud 9600\n", 1},
        {"image.bin", QByteArray("\x00\xff\x10\x80\x00\x01", 6).repeated(5000), 1},
        {"readonly.dat", "r", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Path(c.name);
        Write(path, c.bytes);
        if (QByteArray(c.name).startsWith("readonly")) {
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        }
        Type("typed");
        const int loadsBefore = Doc()->m_serializeLoads;
        EXPECT_TRUE(OpenThroughDialog(path).empty());
        EXPECT_EQ(Doc()->m_serializeLoads - loadsBefore, c.serializeCalls);
        EXPECT_EQ(Caption(), std::string(c.name) + " - Quarvel");
        EXPECT_EQ(Doc()->GetPathName().str(), path.toStdString());
        EXPECT_FALSE(Doc()->IsModified());
        EXPECT_TRUE(View()->m_edit->text().isEmpty());
        EXPECT_EQ((*m_app.m_pRecentFileList)[0].str(), path.toStdString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), c.bytes);  // opened, never changed
    }
}

TEST_F(FileOpening, OpeningTheDocumentItselfInOtherLettersChangesNothing) {
    Write(Path("Calc.TXT"), "x");
    OpenThroughDialog(Path("Calc.TXT"));
    Type("keep me");
    const int updates = View()->m_initialUpdates;
    Write(Path("calc.txt"), "y");  // on this file system another file; the same document
    OpenThroughDialog(Path("calc.txt"));
    EXPECT_EQ(View()->m_edit->text(), "keep me");
    EXPECT_EQ(View()->m_initialUpdates, updates);
    EXPECT_EQ(Caption(), "Calc.TXT - Quarvel");
}

TEST_F(FileOpening, NewNeverAsksAndResetsTheForm) {
    Write(Path("doc"), "");
    OpenThroughDialog(Path("doc"));
    Type("123");
    ModalDriver noQuestion({[](QWidget* modal) { modal->close(); }});
    Command(ID_FILE_NEW);
    EXPECT_TRUE(noQuestion.Titles().empty());
    EXPECT_EQ(Caption(), "Untitled - Quarvel");
    EXPECT_TRUE(Doc()->GetPathName().IsEmpty());
    EXPECT_TRUE(View()->m_edit->text().isEmpty());
}

// The program never modifies its document, but a modified document is asked about
// before it goes: Cancel keeps it, No lets it go, Yes saves it first.
TEST_F(FileOpening, AModifiedDocumentIsAskedAboutBeforeItGoes) {
    Write(Path("doc"), "");
    OpenThroughDialog(Path("doc"));
    struct Case {
        const char* answer;
        bool saveAs;
        std::string caption;
    };
    const Case cases[] = {{"Cancel", false, "doc - Quarvel"},
                          {"&No", false, "Untitled - Quarvel"},
                          {"&Yes", true, "Untitled - Quarvel"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        Doc()->SetModifiedFlag(TRUE);
        std::string question;
        std::vector<ModalDriver::Step> steps = {[&](QWidget* box) {
            question = MessageText(box);
            PressButton(box, c.answer);
        }};
        if (c.saveAs) {
            steps.push_back([this](QWidget* dialog) { EnterFileName(dialog, Path("saved")); });
        }
        ModalDriver driver(steps);
        Command(ID_FILE_NEW);
        ASSERT_TRUE(driver.AllDone());
        EXPECT_EQ(question, "Save changes to " +
                                (c.saveAs ? std::string("Untitled") : Path("doc").toStdString()) +
                                "?");
        EXPECT_EQ(Caption(), c.caption);
        if (c.saveAs) {
            EXPECT_TRUE(QFileInfo::exists(Path("saved")));
        }
    }
    EXPECT_FALSE(Doc()->IsModified());
}

// A file that cannot be opened: the message names the full path; the document keeps
// its path and title, the form its contents.
TEST_F(FileOpening, AFileThatCannotBeOpenedLeavesEverythingAsItWas) {
    Write(Path("current"), "");
    OpenThroughDialog(Path("current"));
    Type("kept");
    const QString locked = Path("being-saved");
    Write(locked, "data");
    // Another writer replacing the file holds it exclusively.
    CFile writer;
    ASSERT_TRUE(writer.Open(locked.toUtf8().constData(),
                            CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive));
    const std::vector<std::string> texts = OpenThroughDialog(locked, 1);
    writer.Abort();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0],
              "A sharing violation occurred while accessing " + locked.toStdString() + ".");
    EXPECT_EQ(Caption(), "current - Quarvel");
    EXPECT_EQ(Doc()->GetPathName().str(), Path("current").toStdString());
    EXPECT_EQ(View()->m_edit->text(), "kept");
}

// A failure after the file was opened: the document is untitled as after New, but
// the form keeps what it shows.
TEST_F(FileOpening, AFailedReadMakesTheDocumentUntitledButKeepsTheForm) {
    Write(Path("first"), "");
    OpenThroughDialog(Path("first"));
    Type("kept");
    Write(Path("damaged"), "short");
    Doc()->m_failNextSerialize = true;
    const std::vector<std::string> texts = OpenThroughDialog(Path("damaged"), 1);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], "Failed to open document.");
    EXPECT_EQ(Caption(), "Untitled - Quarvel");
    EXPECT_TRUE(Doc()->GetPathName().IsEmpty());
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(View()->m_edit->text(), "kept");
}

TEST_F(FileOpening, ARecentFileThatHasGoneIsReportedAndRemoved) {
    Write(Path("kept"), "");
    Write(Path("gone"), "");
    OpenThroughDialog(Path("kept"));
    OpenThroughDialog(Path("gone"));
    QFile::remove(Path("gone"));
    Command(ID_FILE_NEW);
    ASSERT_EQ(m_app.m_pRecentFileList->GetSize(), 4);
    EXPECT_EQ((*m_app.m_pRecentFileList)[0].str(), Path("gone").toStdString());
    std::string text;
    ModalDriver driver({[&](QWidget* box) {
        text = MessageText(box);
        PressButton(box, "OK");
    }});
    Command(ID_FILE_MRU_FILE1);
    ASSERT_TRUE(driver.AllDone());
    EXPECT_EQ(text, Path("gone").toStdString() + " was not found.");
    EXPECT_EQ((*m_app.m_pRecentFileList)[0].str(), Path("kept").toStdString());
    EXPECT_EQ(Caption(), "Untitled - Quarvel");

    Command(ID_FILE_MRU_FILE1);
    EXPECT_EQ(Caption(), "kept - Quarvel");
}

}  // namespace
