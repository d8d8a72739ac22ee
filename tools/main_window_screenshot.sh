#!/usr/bin/env bash
# Takes docs/main-window.png: the real program under Xvfb with a small window
# manager (twm, for the caption), after it has settled and gone idle. Needs the
# Debian packages xvfb, twm and imagemagick.
# Usage: tools/main_window_screenshot.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'RandomPlacement\nUsePPosition "on"\nNoGrabServer\nTitleFont "fixed"\n' >"$work/twmrc"
cat >"$work/shot.sh" <<SHOT
#!/usr/bin/env bash
export QT_QPA_PLATFORM=xcb HOME="$work" XDG_CONFIG_HOME="$work/config"
twm -f "$work/twmrc" >/dev/null 2>&1 &
sleep 1
"$PWD/$build/shell/quarvel" >/dev/null 2>&1 &
sleep 4
import -window root "$work/root.png"
kill %2 %1
SHOT
chmod +x "$work/shot.sh"
xvfb-run -a -s "-screen 0 800x600x24" "$work/shot.sh"
# The window opens at (50, 50) with its title bar above; 442 x 478 holds the frame.
convert "$work/root.png" -crop 442x478+48+30 +repage docs/main-window.png
