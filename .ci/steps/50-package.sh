#!/usr/bin/env bash
# The Debian package from the build that `make test` made: it is built, holds the application's
# files, and the calculator unpacked from it answers.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${BUILD:-build}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/quarvel_*.deb)
dpkg-deb --info "$deb" | grep -E '^ (Package|Version|Depends):'
listing=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for file in ./usr/bin/quarvel ./usr/bin/quarvel-calc ./usr/share/man/man1/quarvel-calc.1.gz \
    ./usr/share/applications/org.quarvel.Quarvel.desktop \
    ./usr/share/metainfo/org.quarvel.Quarvel.metainfo.xml \
    ./usr/share/icons/hicolor/{16x16,32x32,48x48}/apps/org.quarvel.Quarvel.png; do
    grep -qxF "$file" <<<"$listing" || { echo "the package lacks $file" >&2; exit 1; }
done
dpkg-deb --extract "$deb" "$out/root"
"$out/root/usr/bin/quarvel-calc" baud --clock 133000000 --cdv 47 --prescaler x8 | grep -qx 'BAUD 115451'
echo "package $(basename "$deb") is complete"
