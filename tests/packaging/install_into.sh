#!/usr/bin/env bash
# install_into.sh BUILD PREFIX: a fresh install of the build into PREFIX.
set -euo pipefail
build=$1 prefix=$2
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
