// Print, print-direct, print to file and Print Setup on a real print queue: a private
// CUPS scheduler with a PDF printer, whose PDFs are counted and looked at.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "framework/afx_ids.h"
#include "modal_driver.h"
#include "pdf_check.h"
#include "qt_app.h"
#include "test_printer_server.h"
#include "test_window.h"

namespace {

const std::vector<std::string> kOnePage = {"prepare",          "begin", "prepareDC 1", "print 1",
                                           "prepareDC 2 stop", "end"};
const std::vector<std::string> kNoPage = {"prepare", "begin", "prepareDC 2 stop", "end"};

template <typename T>
T* Child(QWidget* parent, const char* name) {
    return parent->findChild<T*>(QString::fromLatin1(name));
}

// In the print dialog: pages from `from` to the end.
void ChoosePagesFrom(QWidget* dialog, int from) {
    QTest::mouseClick(Child<QRadioButton>(dialog, "printRange"), Qt::LeftButton);
    QSpinBox* fromBox = Child<QSpinBox>(dialog, "from");
    fromBox->selectAll();
    QTest::keyClicks(fromBox, QString::number(from));
}

// In the print dialog: print to this PDF file instead of the printer.
void ChooseFile(QWidget* dialog, const QString& path) {
    auto* printers = Child<QComboBox>(dialog, "printers");
    printers->setFocus();
    QTest::keyClick(printers, Qt::Key_End);  // the file entry comes last
    auto* name = Child<QLineEdit>(dialog, "filename");
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Backspace);
    QTest::keyClicks(name, path);
}

void ChoosePrinter(QWidget* dialog, const QString& printer) {
    auto* printers = Child<QComboBox>(dialog, "printers");
    printers->setFocus();
    QTest::keyClick(printers, Qt::Key_Home);
    while (printers->currentText() != printer && printers->currentIndex() + 1 < printers->count()) {
        QTest::keyClick(printers, Qt::Key_Down);
    }
}

class Printing : public ::testing::Test {
protected:
    void SetUp() override {
        TestPrinterServer& server = TestPrinterServer::Instance();
        if (!server.available()) {
            GTEST_SKIP() << server.why();
        }
        if (!PdfToolsAvailable()) {
            GTEST_SKIP() << "poppler-utils (pdfinfo, pdftoppm) are not installed";
        }
        server.ClearOutput();
        m_jobsBefore = server.JobCount();
    }

    int NewJobs() const { return TestPrinterServer::Instance().JobCount() - m_jobsBefore; }

    int m_jobsBefore = 0;
    TestWindow m_window;
};

TEST_F(Printing, PrintDirectPrintsOneBlankPageOnTheDefaultPrinterWithoutADialog) {
    bool mainEnabledWhilePrinting = true;
    bool cancelOffered = false;
    m_window.m_view->m_duringPrint = [&] {
        mainEnabledWhilePrinting = m_window.m_frame->IsWindowEnabled() != FALSE;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == "AfxPrintingDialog" && top->isVisible()) {
                for (QAbstractButton* button : top->findChildren<QAbstractButton*>()) {
                    cancelOffered = cancelOffered || button->text() == "Cancel";
                }
            }
        }
    };
    ModalDriver noDialog({[](QWidget* modal) { modal->close(); }});
    m_window.Command(ID_FILE_PRINT_DIRECT);
    EXPECT_TRUE(noDialog.Titles().empty());
    EXPECT_EQ(m_window.m_view->m_calls, kOnePage);
    EXPECT_FALSE(mainEnabledWhilePrinting);
    EXPECT_TRUE(cancelOffered);
    EXPECT_TRUE(m_window.m_frame->IsWindowEnabled());

    const QStringList pdfs = TestPrinterServer::Instance().FinishedPdfs();
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_EQ(PdfPageCount(pdfs.first()), 1);
    EXPECT_TRUE(PdfIsBlank(pdfs.first()));
    // The PDF printer names its file after the job, which is the document's title.
    EXPECT_TRUE(QFileInfo(pdfs.first()).fileName().startsWith("Untitled"))
        << pdfs.first().toStdString();
    EXPECT_EQ(NewJobs(), 1);
}

TEST_F(Printing, ThePrintDialogOffersAllPagesWithoutSelectionAndPrintsOnePage) {
    bool allPages = false;
    int minPage = 0;
    int maxPage = 0;
    bool selectionOffered = true;
    ModalDriver driver({[&](QWidget* dialog) {
        allPages = Child<QRadioButton>(dialog, "printAll")->isChecked();
        minPage = Child<QSpinBox>(dialog, "from")->minimum();
        maxPage = Child<QSpinBox>(dialog, "to")->maximum();
        auto* selection = Child<QRadioButton>(dialog, "printSelection");
        selectionOffered =
            selection != nullptr && selection->isVisibleTo(dialog) && selection->isEnabled();
        PressButton(dialog, "&Print");
    }});
    m_window.Command(ID_FILE_PRINT);
    ASSERT_TRUE(driver.AllDone());
    EXPECT_EQ(driver.Titles(), std::vector<std::string>{"Print"});
    EXPECT_TRUE(allPages);
    EXPECT_EQ(minPage, 1);
    EXPECT_EQ(maxPage, 65535);
    EXPECT_FALSE(selectionOffered);
    EXPECT_EQ(m_window.m_view->m_calls, kOnePage);
    const QStringList pdfs = TestPrinterServer::Instance().FinishedPdfs();
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_EQ(PdfPageCount(pdfs.first()), 1);
    EXPECT_TRUE(PdfIsBlank(pdfs.first()));
}

TEST_F(Printing, ARangeFromPageTwoGivesNoPageAndNoJob) {
    ModalDriver driver({[&](QWidget* dialog) {
        ChoosePagesFrom(dialog, 2);
        PressButton(dialog, "&Print");
    }});
    m_window.Command(ID_FILE_PRINT);
    ASSERT_TRUE(driver.AllDone());
    EXPECT_EQ(m_window.m_view->m_calls, kNoPage);
    EXPECT_TRUE(TestPrinterServer::Instance().FinishedPdfs().isEmpty());
    EXPECT_EQ(NewJobs(), 0);
}

// Printing to a file writes that file alone; a job without pages, or one that is
// cancelled, leaves a file already there as it was.
TEST_F(Printing, PrintToFileWritesOnlyTheChosenFile) {
    QTemporaryDir dir;
    const QString target = dir.filePath("out.pdf");
    struct Case {
        const char* what;
        int fromPage;  // 0: all pages
        bool cancel;
        int pages;  // -1: the old file stays
    };
    const Case cases[] = {
        {"all pages", 0, false, 1},
        {"from page 2", 2, false, -1},
        {"cancelled while printing", 0, true, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.pages < 0) {
            QFile old(target);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly | QIODevice::Truncate));
            old.write("old bytes");
        }
        m_window.m_view->m_calls.clear();
        m_window.m_view->m_duringPrint = [&] {
            if (!c.cancel) {
                return;
            }
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() == "AfxPrintingDialog" && top->isVisible()) {
                    PressButton(top, "Cancel");
                }
            }
        };
        std::vector<ModalDriver::Step> steps = {[&](QWidget* dialog) {
            ChooseFile(dialog, target);
            if (c.fromPage != 0) {
                ChoosePagesFrom(dialog, c.fromPage);
            }
            PressButton(dialog, "&Print");
        }};
        if (c.pages < 0) {
            // The dialog asks before it lets a file already there be replaced.
            steps.push_back([](QWidget* question) { PressButton(question, "&Yes"); });
        }
        ModalDriver driver(steps);
        m_window.Command(ID_FILE_PRINT);
        ASSERT_TRUE(driver.AllDone());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.pdf"});
        if (c.pages < 0) {
            QFile file(target);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll(), "old bytes");
        } else {
            EXPECT_EQ(PdfPageCount(target), c.pages);
            EXPECT_TRUE(PdfIsBlank(target));
        }
    }
    EXPECT_EQ(NewJobs(), 0);
}

TEST_F(Printing, WithoutAPrinterPrintDirectShowsThePrintDialog) {
    TestPrinterServer& server = TestPrinterServer::Instance();
    ASSERT_TRUE(server.RemovePrinter("QuarvelPDF"));
    ModalDriver driver({[&](QWidget* dialog) { PressButton(dialog, "Cancel"); }});
    m_window.Command(ID_FILE_PRINT_DIRECT);
    const bool done = driver.AllDone();
    ASSERT_TRUE(server.AddPrinter("QuarvelPDF", true));
    ASSERT_TRUE(done);
    EXPECT_EQ(driver.Titles(), std::vector<std::string>{"Print"});
    EXPECT_EQ(m_window.m_view->m_calls, std::vector<std::string>{"prepare"});
    EXPECT_TRUE(server.FinishedPdfs().isEmpty());
}

TEST_F(Printing, PrintSetupChoosesThePrinterForLaterJobs) {
    TestPrinterServer& server = TestPrinterServer::Instance();
    ASSERT_TRUE(server.AddPrinter("QuarvelPDF2", false));
    ModalDriver driver({[&](QWidget* dialog) {
        ChoosePrinter(dialog, "QuarvelPDF2");
        PressButton(dialog, "OK");
    }});
    m_window.Command(ID_FILE_PRINT_SETUP);
    ASSERT_TRUE(driver.AllDone());
    EXPECT_EQ(driver.Titles(), std::vector<std::string>{"Print Setup"});
    ASSERT_NE(m_window.m_app->m_pPrinter, nullptr);

    m_window.Command(ID_FILE_PRINT_DIRECT);
    ASSERT_EQ(server.FinishedPdfs().size(), 1);
    const QStringList jobs = server.JobNames();
    ASSERT_FALSE(jobs.isEmpty());
    EXPECT_TRUE(jobs.last().startsWith("QuarvelPDF2-")) << jobs.join(' ').toStdString();
    server.RemovePrinter("QuarvelPDF2");
}

}  // namespace
