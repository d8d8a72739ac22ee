// The main window is not created when one of its parts cannot be made: the toolbar
// resource, its bitmap, an indicator's text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <algorithm>
#include <vector>

#include "framework/afx_ids.h"
#include "main_window_fixture.h"
#include "res/resources.h"
#include "shell/main_frame.h"

namespace {

int MainWindowsAlive() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const auto widgets = QApplication::topLevelWidgets();
    return static_cast<int>(std::count_if(widgets.begin(), widgets.end(), [](QWidget* w) {
        return qobject_cast<QMainWindow*>(w) != nullptr;
    }));
}

TEST(MainWindowCreation, FailsWithoutAnyOfItsParts) {
    const AfxResourceSet& full = QuarvelResources();
    std::vector<StringResource> stringsWithoutCaps;
    std::copy_if(full.strings.begin(), full.strings.end(), std::back_inserter(stringsWithoutCaps),
                 [](const StringResource& s) { return s.id != ID_INDICATOR_CAPS; });
    static const BYTE kWrongVersion[] = {2, 0, 16, 0, 15, 0, 1, 0, 0x00, 0xE1};
    static const BinaryResource kBadToolbars[] = {{IDR_MAINFRAME, kWrongVersion}};

    AfxResourceSet noToolbar = full;
    noToolbar.toolbars = {};
    AfxResourceSet badToolbar = full;
    badToolbar.toolbars = kBadToolbars;
    AfxResourceSet noBitmap = full;
    noBitmap.bitmaps = {};
    AfxResourceSet noCapsText = full;
    noCapsText.strings = stringsWithoutCaps;

    CRecordingApp app;
    const int before = MainWindowsAlive();
    for (const AfxResourceSet* set : {&noToolbar, &badToolbar, &noBitmap, &noCapsText}) {
        AfxSetResources(*set);
        auto* frame = dynamic_cast<CFrameWnd*>(RUNTIME_CLASS(CMainFrame)->CreateObject());
        ASSERT_NE(frame, nullptr);
        // The frame deletes itself when its window has come to exist and failed.
        EXPECT_FALSE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr,
                                      nullptr));
        EXPECT_EQ(MainWindowsAlive(), before);
    }
    AfxSetResources(full);
}

}  // namespace
