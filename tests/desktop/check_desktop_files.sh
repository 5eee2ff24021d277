#!/usr/bin/env bash
# Checks of the desktop integration files. Usage:
#   check_desktop_files.sh entry    SOURCE_DIR
#   check_desktop_files.sh metainfo SOURCE_DIR
#   check_desktop_files.sh install  SOURCE_DIR BUILD_DIR
#   check_desktop_files.sh wmclass  SOURCE_DIR PROGRAM
# Exit 77 (skipped) when the validating tool is not installed.
set -euo pipefail

mode="$1"
src="$2"
res="$src/resources"
app_id="org.orvane.Calculator"
entry="$res/$app_id.desktop"
meta="$res/$app_id.metainfo.xml"
fail() { echo "FAIL: $*" >&2; exit 1; }

key() {  # key FILE NAME -> the value of NAME= in the [Desktop Entry] group
    sed -n "s/^$2=//p" "$1" | head -n 1
}

case "$mode" in
entry)
    command -v desktop-file-validate >/dev/null || { echo "desktop-file-validate missing"; exit 77; }
    out="$(desktop-file-validate "$entry" 2>&1)" || fail "desktop-file-validate: $out"
    [ -z "$out" ] || fail "desktop-file-validate has hints: $out"
    # The keys the launcher menus need, with the values the installed files answer to.
    [ "$(key "$entry" Exec)" = "orvane-calculator" ] || fail "Exec"
    [ "$(key "$entry" Icon)" = "$app_id" ] || fail "Icon"
    # The class part of the windows' WM_CLASS (the application name; see the wmclass check).
    [ "$(key "$entry" StartupWMClass)" = "orvane-calculator" ] || fail "StartupWMClass"
    [ "$(key "$entry" Terminal)" = "false" ] || fail "Terminal"
    [ "$(key "$entry" Categories)" = "Utility;Calculator;" ] || fail "Categories"
    [ "$(key "$entry" 'Name\[zh_CN\]')" = "Orvane桌面计算器" ] || fail "Name[zh_CN]"
    [ -n "$(key "$entry" Name)" ] || fail "Name"
    [ -n "$(key "$entry" Comment)" ] || fail "Comment"
    [ -n "$(key "$entry" 'Comment\[zh_CN\]')" ] || fail "Comment[zh_CN]"
    ;;
metainfo)
    command -v appstreamcli >/dev/null || { echo "appstreamcli missing"; exit 77; }
    # Pedantic and clean but for two notes that stay: the ID has upper-case letters (it is the
    # project's one ID), and AppStream 0.16 does not know the 1.0 developer element yet.
    out="$(appstreamcli validate --pedantic --no-net "$meta" 2>&1)" || fail "appstreamcli: $out"
    rest="$(printf '%s\n' "$out" | grep -E '^[EWIP]:' |
        grep -v -e 'cid-contains-uppercase-letter' -e 'unknown-tag developer$' || true)"
    [ -z "$rest" ] || fail "appstreamcli reports: $rest"
    grep -q "<id>$app_id</id>" "$meta" || fail "component id is not $app_id"
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$meta" ||
        fail "launchable does not name the desktop entry"
    grep -q '<developer id="org.orvane">' "$meta" || fail "no developer element"
    grep -q '<url type="homepage">https://' "$meta" || fail "no homepage"
    ! grep -q '<url type="bugtracker">' "$meta" || fail "a bug tracker the project does not have"
    version="$(sed -n 's/^project(orvane_calculator VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")"
    # This version's release entry carries notes.
    sed -n "/<release version=\"$version\"/,/<\/release>/p" "$meta" | grep -q '<li>' ||
        fail "no release notes for $version"
    ;;
install)
    build="$3"
    prefix="$(mktemp -d)"
    trap 'rm -rf "$prefix"' EXIT
    cmake --install "$build" --component desktop --prefix "$prefix" >/dev/null
    share="$prefix/share"
    for f in applications/$app_id.desktop metainfo/$app_id.metainfo.xml \
             icons/hicolor/scalable/apps/$app_id.svg; do
        [ -s "$share/$f" ] || fail "not installed: $f"
    done
    for n in 16 24 32 48 64 128 256; do
        png="$share/icons/hicolor/${n}x${n}/apps/$app_id.png"
        [ -s "$png" ] || fail "not installed: $png"
        # The PNG header holds width and height as big-endian 32-bit numbers at bytes 16..23.
        size="$(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}')"
        [ "$size" = "${n}x${n}" ] || fail "$png is $size, not ${n}x${n}"
    done
    cmp -s "$entry" "$share/applications/$app_id.desktop" || fail "desktop entry differs"
    ;;
wmclass)
    # The running program's window class is the entry's StartupWMClass, so that launchers and
    # task bars match the window with its menu entry.
    program="$3"
    for tool in Xvfb xprop xwininfo; do
        command -v "$tool" >/dev/null || { echo "$tool missing"; exit 77; }
    done
    work="$(mktemp -d)"
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill "$pid" "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
    pid=""
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n 1 "$work/display")"
    XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb "$program" &
    pid=$!
    class=""
    for _ in $(seq 100); do
        for w in $(xwininfo -root -children 2>/dev/null | awk '/^ +0x/ {print $1}'); do
            line="$(xprop -id "$w" WM_CLASS 2>/dev/null || true)"
            case "$line" in *'", "'*) class="${line##*, \"}"; class="${class%\"}" ;; esac
            [ -n "$class" ] && break
        done
        [ -n "$class" ] && break
        sleep 0.1
    done
    [ -n "$class" ] || fail "no window with a WM_CLASS appeared"
    [ "$class" = "$(key "$entry" StartupWMClass)" ] ||
        fail "window class $class, StartupWMClass $(key "$entry" StartupWMClass)"
    ;;
*)
    echo "unknown mode $mode" >&2
    exit 2
    ;;
esac
echo "ok: $mode"
