#!/usr/bin/env bash
# check_install_tree.sh PREFIX GUI: the install tree holds exactly the application's files, and
# the installed programs run from there. GUI is 1 when the window program was built.
set -uo pipefail
prefix=$1 gui=$2
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The PNG header's width and height.
png_size() {
    local bytes
    read -ra bytes < <(od -An -tu1 -j16 -N8 "$1")
    echo "$(((bytes[2] << 8) | bytes[3]))x$(((bytes[6] << 8) | bytes[7]))"
}

# Every file and nothing else.
expected=(bin/quarvel-calc share/man/man1/quarvel-calc.1.gz)
if [[ $gui == 1 ]]; then
    desktop_files=("$prefix"/share/applications/*.desktop)
    id=$(basename "${desktop_files[0]}" .desktop)
    expected+=(bin/quarvel share/man/man1/quarvel.1.gz
        "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml")
    for size in 16 32 48; do
        expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
    done
fi
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [[ $actual != "$wanted" ]]; then
    fail "install tree differs from the expected files:"
    diff <(echo "$wanted") <(echo "$actual") >&2
fi

for program in quarvel-calc quarvel; do
    [[ $program == quarvel && $gui != 1 ]] && continue
    [[ -x $prefix/bin/$program ]] || fail "bin/$program is not executable"
    # Nothing installed may point back into the build tree.
    if readelf -d "$prefix/bin/$program" 2>/dev/null | grep -Eq 'R(UN)?PATH'; then
        fail "bin/$program keeps a run path: $(readelf -d "$prefix/bin/$program" | grep -E 'R(UN)?PATH')"
    fi
done

answer=$("$prefix/bin/quarvel-calc" cdv --clock 3686400 --baud-index 6 --prescaler x8 --source 0)
[[ $answer == $'CDV 1\nBCR 10001\nACTUAL 115200\nERROR 0.00%' ]] ||
    fail "installed quarvel-calc answered: $answer"

# The manual pages format without a warning.
for page in "$prefix"/share/man/man1/*.1.gz; do
    if command -v groff >/dev/null; then
        warnings=$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1)
        [[ -z $warnings ]] || fail "$(basename "$page"): $warnings"
    fi
    zcat "$page" | grep -q '^\.SH NAME' || fail "$(basename "$page") has no NAME section"
done

if [[ $gui == 1 ]]; then
    # A reverse-DNS id names the desktop entry, the metainfo and the icons alike.
    [[ $id =~ ^[a-z][a-z0-9-]*(\.[A-Za-z][A-Za-z0-9_-]*){2,}$ ]] || fail "id $id is no reverse-DNS name"
    desktop=$prefix/share/applications/$id.desktop
    metainfo=$prefix/share/metainfo/$id.metainfo.xml
    for line in '[Desktop Entry]' 'Type=Application' 'Name=Quarvel' "Icon=$id" 'Terminal=false'; do
        grep -qxF "$line" "$desktop" || fail "$id.desktop lacks \"$line\""
    done
    grep -Eqx 'Exec=quarvel( %[fFuU])?' "$desktop" || fail "$id.desktop does not start quarvel"
    grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "metainfo does not launch $id.desktop"
    for size in 16 32 48; do
        icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
        [[ -f $icon ]] && [[ $(png_size "$icon") == "${size}x${size}" ]] ||
            fail "icon $size is missing or not ${size}x${size}"
    done

    # The installed window program starts, shows its window and ends when it is closed.
    home=$(mktemp -d)
    run=$(QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$home QUARVEL_TEST_AUTOCLOSE=1 \
        timeout 60 "$prefix/bin/quarvel" 2>&1)
    status=$?
    rm -rf "$home"
    [[ $status == 0 && $run == *'autoclose: window "Untitled - Quarvel" shown'* ]] ||
        fail "installed quarvel did not run (status $status): $run"
fi

if ((failures > 0)); then
    exit 1
fi
echo "install tree under $prefix: ${#expected[@]} files as expected"
