#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the resource scripts need.
# Only what is missing is installed; apt-get runs through sudo when we are not root.
set -euo pipefail

packages=(
  cmake ninja-build ccache g++ make pkg-config clang-format clang-tidy git clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev qt6-qpa-plugins
  qt6-translations-l10n libfontconfig-dev libxcb1-dev libx11-dev
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
  fonts-liberation fonts-wqy-microhei
  xvfb xauth openbox xfwm4 mutter tint2 dbus dbus-x11 xdotool xclip x11-utils imagemagick
  libpulse-dev espeak-ng sox librsvg2-bin pulseaudio pulseaudio-utils python3-fonttools
  desktop-file-utils appstream
  dpkg-dev man-db lintian
  # Screen-reader checks: the accessibility bus and its Python client.
  at-spi2-core python3-pyatspi
  # Monitor layouts (xrandr), KDE's window manager with real frames, GNOME's Wayland session
  # driven through its remote-desktop bus API.
  x11-xserver-utils kwin-x11 kwin-style-breeze python3-gi python3-dbus xwayland
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
