#!/usr/bin/env bash
# What `make run` starts: the window program when it is built, else the command-line calculator.
set -euo pipefail
build=${QUARVEL_BUILD:-build}
if [[ -x $build/shell/quarvel ]]; then
    exec "$build/shell/quarvel" "$@"
fi
calc=$build/cli/quarvel-calc
echo "\$ quarvel-calc cdv --clock 3686400 --baud-index 6 --prescaler x8 --source 0"
"$calc" cdv --clock 3686400 --baud-index 6 --prescaler x8 --source 0
echo
"$calc" --help
