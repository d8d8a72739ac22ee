#!/usr/bin/env bash
# validate_metainfo.sh PREFIX: appstreamcli passes the installed metainfo, and the whole tree
# (metainfo, desktop entry and icon together). Exit 77 (skipped) without appstreamcli.
set -euo pipefail
prefix=$1
if ! command -v appstreamcli >/dev/null; then
    echo "appstreamcli is not installed (Debian package appstream): not validated"
    exit 77
fi
shopt -s nullglob
metainfo=("$prefix"/share/metainfo/*.metainfo.xml)
if [[ ${#metainfo[@]} -ne 1 ]]; then
    echo "expected one metainfo file, found ${#metainfo[@]}" >&2
    exit 1
fi
appstreamcli validate --no-net "${metainfo[0]}"
appstreamcli validate-tree --no-net "$prefix"
