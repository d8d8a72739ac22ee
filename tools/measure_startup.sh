#!/usr/bin/env bash
# Launch time and idle memory of Quarvel beside xcalc and the GTK calculators, in one run on one
# private Xvfb display. Launch time is from start until the main window is mapped
# (quarvel-launch-timer), repeated by hyperfine; memory is VmRSS a second after the window came up.
#
#   tools/measure_startup.sh [BUILD] [RUNS]      (defaults: build-release, 30)
#
# It installs the programs it compares with (x11-apps, galculator, gnome-calculator) when they
# are missing; they are not needed for building or testing.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
runs=${2:-30}

wanted=(xvfb x11-utils hyperfine jq bc x11-apps galculator gnome-calculator)
missing=()
for pkg in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
if ((${#missing[@]} > 0)); then
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

cmake --build "$build" --target quarvel quarvel-launch-timer >/dev/null
timer=$build/tools/quarvel-launch-timer
quarvel=$build/shell/quarvel

# A private display and a private settings folder; no window manager, no session bus.
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
config=$(mktemp -d)
out=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$config" "$out"' EXIT
export DISPLAY=$display XDG_CONFIG_HOME=$config
for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
unset DBUS_SESSION_BUS_ADDRESS

programs=("quarvel:$quarvel" "xcalc:xcalc" "galculator:galculator" "gnome-calculator:gnome-calculator")
commands=()
for entry in "${programs[@]}"; do
    commands+=(-n "${entry%%:*}" "$timer -- ${entry#*:}")
done
hyperfine -N --warmup 3 --runs "$runs" --export-json "$out/launch.json" "${commands[@]}"

echo
echo "Median launch until mapped, and resident memory 1 s after (median of 5):"
printf '%-18s %10s %10s %8s\n' program "median ms" "vs xcalc" "RSS MB"
xcalc_median=$(jq '.results[] | select(.command == "xcalc") | .median' "$out/launch.json")
for entry in "${programs[@]}"; do
    name=${entry%%:*}
    median=$(jq ".results[] | select(.command == \"$name\") | .median" "$out/launch.json")
    rss=$(for _ in 1 2 3 4 5; do "$timer" --rss-after 1000 -- ${entry#*:} 2>/dev/null | awk '/^rss/ {print $2}'; done |
        sort -n | sed -n 3p)
    printf '%-18s %10.1f %9.2fx %8.1f\n' "$name" "$(echo "$median * 1000" | bc -l)" \
        "$(echo "$median / $xcalc_median" | bc -l)" "$(echo "$rss / 1024" | bc -l)"
done
