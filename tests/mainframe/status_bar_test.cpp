// The lock-key indicators: their text shows exactly while the key's light is on, in
// panes whose width never changes. The lights are read from an X display; on any
// other display the panes stay blank.
#include <dlfcn.h>

#include <QGuiApplication>

#include "main_window_fixture.h"

namespace {

// Sets and clears the lock of a modifier on the X display, as the lock keys do.
class XLocks {
public:
    XLocks() {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        m_display = x11 != nullptr ? x11->display() : nullptr;
        void* library = m_display != nullptr ? dlopen("libX11.so.6", RTLD_LAZY) : nullptr;
        if (library != nullptr) {
            m_lock = reinterpret_cast<LockFn>(dlsym(library, "XkbLockModifiers"));
            m_sync = reinterpret_cast<SyncFn>(dlsym(library, "XSync"));
        }
    }
    bool Available() const { return m_lock != nullptr && m_sync != nullptr; }
    void Set(unsigned mask, bool on) {
        m_lock(m_display, kUseCoreKeyboard, mask, on ? mask : 0);
        m_sync(m_display, 0);
    }

    static constexpr unsigned kCapsLock = 1u << 1;  // the Lock modifier
    static constexpr unsigned kNumLock = 1u << 4;   // Mod2, where Num Lock sits

private:
    using LockFn = int (*)(Display*, unsigned, unsigned, unsigned);
    using SyncFn = int (*)(Display*, int);
    static constexpr unsigned kUseCoreKeyboard = 0x0100;
    Display* m_display = nullptr;
    LockFn m_lock = nullptr;
    SyncFn m_sync = nullptr;
};

TEST_F(MainWindowTest, IndicatorsShowTheirTextExactlyWhileTheLockIsOn) {
    const int widths[] = {Pane(1)->width(), Pane(2)->width(), Pane(3)->width()};
    XLocks locks;
    if (!locks.Available()) {
        // No X display: nothing tells the lights, so the panes are blank.
        for (int pane = 1; pane <= 3; ++pane) {
            EXPECT_EQ(Pane(pane)->text(), "") << pane;
            EXPECT_GT(Pane(pane)->width(), 0) << pane;
        }
        return;
    }
    const struct {
        unsigned mask;
        int pane;
        const char* text;
    } kLocks[] = {{XLocks::kCapsLock, 1, "CAP"}, {XLocks::kNumLock, 2, "NUM"}};
    for (const auto& lock : kLocks) {
        SCOPED_TRACE(lock.text);
        locks.Set(lock.mask, true);
        RunUntilIdle();
        EXPECT_EQ(Pane(lock.pane)->text(), lock.text);
        locks.Set(lock.mask, false);
        RunUntilIdle();
        EXPECT_EQ(Pane(lock.pane)->text(), "");
    }
    EXPECT_EQ(Pane(3)->text(), "");  // Scroll Lock stays off
    EXPECT_EQ(Pane(1)->width(), widths[0]);
    EXPECT_EQ(Pane(2)->width(), widths[1]);
    EXPECT_EQ(Pane(3)->width(), widths[2]);
}

}  // namespace
