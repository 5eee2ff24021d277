#!/usr/bin/env bash
# Checks of the desktop integration files. Usage:
#   check_desktop_files.sh entry    SOURCE_DIR
#   check_desktop_files.sh metainfo SOURCE_DIR
#   check_desktop_files.sh install  SOURCE_DIR BUILD_DIR
# Exit 77 (skipped) when the validating tool is not installed.
set -euo pipefail

mode="$1"
src="$2"
res="$src/resources"
entry="$res/orvane-calculator.desktop"
meta="$res/org.orvane.Calculator.metainfo.xml"
fail() { echo "FAIL: $*" >&2; exit 1; }

key() {  # key FILE NAME -> the value of NAME= in the [Desktop Entry] group
    sed -n "s/^$2=//p" "$1" | head -n 1
}

case "$mode" in
entry)
    command -v desktop-file-validate >/dev/null || { echo "desktop-file-validate missing"; exit 77; }
    desktop-file-validate "$entry"
    # The keys the launcher menus need, with the values the installed files answer to.
    [ "$(key "$entry" Exec)" = "orvane-calculator" ] || fail "Exec"
    [ "$(key "$entry" Icon)" = "orvane-calculator" ] || fail "Icon"
    [ "$(key "$entry" Terminal)" = "false" ] || fail "Terminal"
    [ "$(key "$entry" Categories)" = "Utility;Calculator;" ] || fail "Categories"
    [ "$(key "$entry" 'Name\[zh_CN\]')" = "Orvane桌面计算器" ] || fail "Name[zh_CN]"
    [ -n "$(key "$entry" Name)" ] || fail "Name"
    [ -n "$(key "$entry" Comment)" ] || fail "Comment"
    [ -n "$(key "$entry" 'Comment\[zh_CN\]')" ] || fail "Comment[zh_CN]"
    ;;
metainfo)
    command -v appstreamcli >/dev/null || { echo "appstreamcli missing"; exit 77; }
    appstreamcli validate --no-net "$meta"
    grep -q '<launchable type="desktop-id">orvane-calculator.desktop</launchable>' "$meta" ||
        fail "launchable does not name the desktop entry"
    ;;
install)
    build="$3"
    prefix="$(mktemp -d)"
    trap 'rm -rf "$prefix"' EXIT
    cmake --install "$build" --component desktop --prefix "$prefix" >/dev/null
    share="$prefix/share"
    for f in applications/orvane-calculator.desktop metainfo/org.orvane.Calculator.metainfo.xml \
             icons/hicolor/scalable/apps/orvane-calculator.svg; do
        [ -s "$share/$f" ] || fail "not installed: $f"
    done
    for n in 16 24 32 48 64 128 256; do
        png="$share/icons/hicolor/${n}x${n}/apps/orvane-calculator.png"
        [ -s "$png" ] || fail "not installed: $png"
        # The PNG header holds width and height as big-endian 32-bit numbers at bytes 16..23.
        size="$(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}')"
        [ "$size" = "${n}x${n}" ] || fail "$png is $size, not ${n}x${n}"
    done
    cmp -s "$entry" "$share/applications/orvane-calculator.desktop" || fail "desktop entry differs"
    ;;
*)
    echo "unknown mode $mode" >&2
    exit 2
    ;;
esac
echo "ok: $mode"
