#!/usr/bin/env bash
# The lock-key indicators on a real X display: the offscreen platform of `make test`
# has no keyboard lights, so the panes' text is checked here against Caps Lock and
# Num Lock switched on the X server.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${BUILD:-build}

xvfb-run -a env QT_QPA_PLATFORM=xcb "$build/tests/mainframe/mainframe_tests" \
    --gtest_filter='MainWindowTest.Indicators*:MainWindowTest.StatusBar*' --gtest_brief=1
