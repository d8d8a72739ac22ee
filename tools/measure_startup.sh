#!/usr/bin/env bash
# Launch time and idle memory of Quarvel beside xcalc and the GTK calculators, in one run on one
# private Xvfb display. Launch time is from start until the main window is mapped
# (quarvel-launch-timer's own figure); memory is VmRSS a second after the window came up.
#
#   tools/measure_startup.sh [BUILD] [RUNS]      (defaults: build-release, 30)
#
# It installs the programs it compares with (x11-apps, galculator, gnome-calculator) when they
# are missing; they are not needed for building or testing.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
runs=${2:-30}

wanted=(xvfb x11-utils bc x11-apps galculator gnome-calculator)
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

# The timer's own figure, from the start of the program until its window is mapped. (A
# stopwatch around the whole timer would also count the X server clearing up after the
# previous run, which for xcalc is longer than its own start.) The programs take turns, so
# that a busy moment of the machine falls on all of them alike.
for ((run = 0; run < runs + 3; run++)); do
    for entry in "${programs[@]}"; do
        ms=$("$timer" -- ${entry#*:} 2>/dev/null | awk '/^mapped/ {print $2}')
        # The first three rounds warm the caches and are not counted.
        ((run < 3)) || echo "$ms" >>"$out/${entry%%:*}.launch"
    done
done

median() { sort -n "$1" | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

echo "Launch until the main window is mapped ($runs runs each, taking turns), and resident"
echo "memory one second after it (median of 5 runs):"
printf '%-18s %10s %10s %10s %8s\n' program "median ms" "min ms" "vs xcalc" "RSS MB"
xcalc_median=$(median "$out/xcalc.launch")
for entry in "${programs[@]}"; do
    name=${entry%%:*}
    launch=$(median "$out/$name.launch")
    fastest=$(sort -n "$out/$name.launch" | head -1)
    rss=$(for _ in 1 2 3 4 5; do "$timer" --rss-after 1000 -- ${entry#*:} 2>/dev/null | awk '/^rss/ {print $2}'; done |
        sort -n | sed -n 3p)
    printf '%-18s %10.1f %10.1f %9.2fx %8.1f\n' "$name" "$launch" "$fastest" \
        "$(echo "$launch / $xcalc_median" | bc -l)" "$(echo "$rss / 1024" | bc -l)"
done
