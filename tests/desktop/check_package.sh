#!/usr/bin/env bash
# Builds the Debian package from the build tree (as `make deb` does) into a scratch folder and
# checks it: the installed layout under /usr, dependencies computed from the binaries, stripped
# binaries, and lintian without an error (when lintian is installed).
# Usage: check_package.sh BUILD_DIR
set -euo pipefail
build="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in cpack dpkg-deb dpkg-shlibdeps file; do
    command -v "$tool" >/dev/null || { echo "$tool missing"; exit 77; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb="$(ls "$work"/orvane-calculator_*.deb)"

# Every file the package installs, and nothing else.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort >"$work/files"
{
    echo usr/bin/orvane-calculator
    echo usr/bin/orvane-cli
    echo usr/lib/orvane-calculator/orvane-voice-output.so
    echo usr/lib/orvane-calculator/orvane-mortgage-schedule.so
    echo usr/share/applications/org.orvane.Calculator.desktop
    echo usr/share/metainfo/org.orvane.Calculator.metainfo.xml
    echo usr/share/bash-completion/completions/orvane-cli
    echo usr/share/doc/orvane-calculator/changelog.gz
    echo usr/share/doc/orvane-calculator/copyright
    echo usr/share/icons/hicolor/scalable/apps/org.orvane.Calculator.svg
    for n in 16 24 32 48 64 128 256; do
        echo "usr/share/icons/hicolor/${n}x${n}/apps/org.orvane.Calculator.png"
    done
    echo usr/share/man/man1/orvane-calculator.1.gz
    echo usr/share/man/man1/orvane-cli.1.gz
} | sed "s|usr/lib/orvane-calculator|usr/$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")/orvane-calculator|" |
    sort >"$work/expected"
diff -u "$work/expected" "$work/files" || fail "package contents differ (- expected, + packaged)"

# Dependencies from dpkg-shlibdeps: the libraries the binaries and the modules link.
depends="$(dpkg-deb -f "$deb" Depends)"
for library in libc6 libqt6core6 libqt6widgets6 libpulse0 libqt6charts6; do
    grep -Eq "(^|, )$library( |,|$)" <<<"$depends" || fail "Depends lacks $library: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = orvane-calculator ] || fail "package name"

dpkg-deb -x "$deb" "$work/root"
for binary in usr/bin/orvane-calculator usr/bin/orvane-cli; do
    file "$work/root/$binary" | grep -q ', stripped' || fail "$binary is not stripped"
done
"$work/root/usr/bin/orvane-cli" eval 6*7 | grep -qx 42 || fail "the packaged orvane-cli does not run"

if command -v lintian >/dev/null; then
    lintian --pedantic "$deb" >"$work/lintian" 2>&1 || true
    cat "$work/lintian"
    ! grep -q '^E:' "$work/lintian" || fail "lintian reports errors"
else
    echo "lintian missing: package not linted"
fi
echo "ok: $(basename "$deb")"
