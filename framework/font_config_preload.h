// Inside the layer: start-up work that needs no display, done on a thread of its own while the
// application connects to the display.
#pragma once

#include <thread>

// Reading the font configuration (some dozens of XML files) is the largest single cost of
// start-up, and the first font the program uses waits for it. Loading it beside the display
// connection takes it off that path; the font library is thread-safe, and a font used before
// the loading has finished only waits for it or loads the same configuration itself.
class AfxFontConfigPreload {
public:
    AfxFontConfigPreload();
    ~AfxFontConfigPreload();
    AfxFontConfigPreload(const AfxFontConfigPreload&) = delete;
    AfxFontConfigPreload& operator=(const AfxFontConfigPreload&) = delete;

private:
    std::thread m_thread;
};
