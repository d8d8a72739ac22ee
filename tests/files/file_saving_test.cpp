// Save and Save As through the commands, the real file dialog and real files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

#include "framework/afx_ids.h"
#include "modal_driver.h"
#include "qt_app.h"
#include "test_window.h"

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QStringList Listing(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// Permission bits do not stop root, who runs CI: tests that need a refusal use
// something that stops everyone.
bool PermissionsStopUs() {
    return ::geteuid() != 0;
}

class FileSaving : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        QDir::setCurrent(m_dir.path());
    }
    QString Path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir m_dir;
    TestWindow m_window;
};

TEST_F(FileSaving, SaveOnANewDocumentAsksWhereProposingTheTitleAndAddsNoExtension) {
    m_window.m_view->m_edit->setText("12345");
    QString proposed;
    QString filter;
    ModalDriver driver({[&](QWidget* dialog) {
        proposed = ProposedFileName(dialog);
        filter = qobject_cast<QFileDialog*>(dialog)->selectedNameFilter();
        EnterFileName(dialog, Path("settings"));
    }});
    m_window.Command(ID_FILE_SAVE);
    ASSERT_TRUE(driver.AllDone());
    EXPECT_EQ(driver.Titles(), std::vector<std::string>{"Save As"});
    EXPECT_EQ(QFileInfo(proposed).fileName(), "Untitled");  // in the folder last used
    EXPECT_EQ(filter, "All Files (*.*)");
    // Saved under the typed name, empty, and only that file is there.
    EXPECT_EQ(Listing(m_dir.path()), QStringList{"settings"});
    EXPECT_EQ(Contents(Path("settings")), QByteArray());
    EXPECT_EQ(m_window.m_doc.GetPathName().str(), Path("settings").toStdString());
    EXPECT_EQ(m_window.Caption(), "settings - Test");
    EXPECT_FALSE(m_window.m_doc.IsModified());
    EXPECT_EQ(m_window.m_view->m_edit->text(), "12345");  // the form is not touched
}

TEST_F(FileSaving, SaveAsAsksBeforeReplacingAndThenLeavesZeroBytes) {
    Write(Path("old.txt"), "some text that was here\n");
    ModalDriver declined({[&](QWidget* dialog) { EnterFileName(dialog, Path("old.txt")); },
                          [&](QWidget* question) { PressButton(question, "&No"); },
                          [&](QWidget* dialog) { PressButton(dialog, "Cancel"); }});
    m_window.Command(ID_FILE_SAVE_AS);
    ASSERT_TRUE(declined.AllDone());
    EXPECT_EQ(Contents(Path("old.txt")), "some text that was here\n");
    EXPECT_TRUE(m_window.m_doc.GetPathName().IsEmpty());

    ModalDriver accepted({[&](QWidget* dialog) { EnterFileName(dialog, Path("old.txt")); },
                          [&](QWidget* question) { PressButton(question, "&Yes"); }});
    m_window.Command(ID_FILE_SAVE_AS);
    ASSERT_TRUE(accepted.AllDone());
    EXPECT_EQ(Contents(Path("old.txt")), QByteArray());
    EXPECT_EQ(Listing(m_dir.path()), QStringList{"old.txt"});
    EXPECT_EQ(m_window.Caption(), "old.txt - Test");
}

TEST_F(FileSaving, SaveWritesInPlaceWithoutADialog) {
    Write(Path("doc"), "x");
    m_window.m_doc.SetPathName(Path("doc").toUtf8().constData(), FALSE);
    ModalDriver none({});
    m_window.Command(ID_FILE_SAVE);
    EXPECT_EQ(Contents(Path("doc")), QByteArray());
    EXPECT_EQ(m_window.m_doc.m_serializeStores, 1);
}

// A read-only or deleted file cannot be written in place: Save becomes Save As,
// proposing the full old path.
TEST_F(FileSaving, SaveOfAReadOnlyOrDeletedFileAsksWhereProposingTheOldPath) {
    struct Case {
        const char* what;
        std::function<void(const QString&)> damage;
    };
    const Case cases[] = {
        {"read-only", [](const QString& path) { ::chmod(QFile::encodeName(path), 0444); }},
        {"deleted", [](const QString& path) { QFile::remove(path); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = Path(c.what);
        Write(path, "old");
        m_window.m_doc.SetPathName(path.toUtf8().constData(), FALSE);
        c.damage(path);
        QString proposed;
        ModalDriver driver({[&](QWidget* dialog) {
            proposed = ProposedFileName(dialog);
            PressButton(dialog, "Cancel");
        }});
        m_window.Command(ID_FILE_SAVE);
        ASSERT_TRUE(driver.AllDone());
        EXPECT_EQ(driver.Titles(), std::vector<std::string>{"Save As"});
        EXPECT_EQ(proposed, path);
        EXPECT_EQ(m_window.m_doc.GetPathName().str(), path.toStdString());
    }
    EXPECT_EQ(Contents(Path("read-only")), "old");
}

TEST_F(FileSaving, SaveAsRefusesAFolderThatDoesNotExist) {
    ModalDriver driver({[&](QWidget* dialog) { EnterFileName(dialog, Path("missing/name")); },
                        [&](QWidget* warning) { PressButton(warning, "OK"); },
                        [&](QWidget* dialog) { PressButton(dialog, "Cancel"); }});
    m_window.Command(ID_FILE_SAVE_AS);
    ASSERT_TRUE(driver.AllDone());
    EXPECT_EQ(driver.Titles(), (std::vector<std::string>{"Save As", "Save As", "Save As"}));
    EXPECT_TRUE(Listing(m_dir.path()).isEmpty());
}

// A save that fails shows the cause with the full path and leaves every file as it
// was: the old file keeps its bytes, and no other file appears or goes.
TEST_F(FileSaving, AFailedSaveNamesThePathAndLosesNothing) {
    struct Case {
        const char* what;
        const char* name;
        std::function<void(TestWindow&, const QString&)> provoke;
        bool viaSaveAs;  // the file is read-only, so Save asks where to; the same path
        const char* message;
    };
    std::vector<Case> cases = {
        {"folder in place of the file", "doc",
         [](TestWindow&, const QString& path) {
             QFile::remove(path);
             QDir().mkdir(path);
         },
         false, "%1 is not a file that can be read or written."},
        {"read-only file replaced after asking", "readonly",
         [](TestWindow&, const QString& path) { ::chmod(QFile::encodeName(path), 0444); }, true,
         "Access to %1 was denied."},
        {"document fails while writing", "damaged",
         [](TestWindow& window, const QString&) { window.m_doc.m_failNextSerialize = true; }, false,
         "Failed to save document."},
    };
    if (PermissionsStopUs()) {
        cases.push_back({"folder without write permission", "locked/doc",
                         [](TestWindow&, const QString& path) {
                             ::chmod(QFile::encodeName(QFileInfo(path).absolutePath()), 0555);
                         },
                         false, "Access to %1 was denied."});
    } else {
        std::printf(
            "[ note ] running as root: permission bits do not stop writes, so the "
            "read-only and folder-in-place cases stand in for the locked folder\n");
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = Path(c.name);
        const QString folder = QFileInfo(path).absolutePath();
        QDir().mkpath(folder);
        Write(path, "precious");
        m_window.m_doc.SetPathName(path.toUtf8().constData(), FALSE);
        c.provoke(m_window, path);
        const QStringList before = Listing(folder);
        std::string message;
        std::vector<ModalDriver::Step> steps;
        if (c.viaSaveAs) {
            steps.push_back([&](QWidget* dialog) { EnterFileName(dialog, path); });
            steps.push_back([&](QWidget* question) { PressButton(question, "&Yes"); });
        }
        steps.push_back([&](QWidget* box) {
            message = MessageText(box);
            PressButton(box, "OK");
        });
        ModalDriver driver(steps);
        m_window.Command(ID_FILE_SAVE);
        ASSERT_TRUE(driver.AllDone());
        EXPECT_EQ(driver.Titles().back(), "Quarvel");
        EXPECT_EQ(message, QString::fromUtf8(c.message).replace("%1", path).toStdString());
        EXPECT_EQ(Listing(folder), before);
        if (QFileInfo(path).isFile()) {
            EXPECT_EQ(Contents(path), "precious");
        }
        EXPECT_EQ(m_window.m_doc.GetPathName().str(), path.toStdString());
        ::chmod(QFile::encodeName(folder), 0755);
    }
}

}  // namespace
