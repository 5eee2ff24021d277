#!/usr/bin/env bash
# Renders the program icon into the hicolor sizes and the two window logos into PNG files.
# Needs rsvg-convert (librsvg2-bin); falls back to ImageMagick's convert.
# Run from anywhere: tools/make-icons.sh
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
icons="$root/resources/icons"
images="$root/resources/images"

render() {  # render SVG PNG WIDTH HEIGHT
    if command -v rsvg-convert >/dev/null; then
        rsvg-convert --width "$3" --height "$4" --format png --output "$2" "$1"
    else
        convert -background none -density 384 "$1" -resize "$3x$4!" "PNG32:$2"
    fi
}

for n in 16 24 32 48 64 128 256; do
    dir="$icons/hicolor/${n}x${n}/apps"
    mkdir -p "$dir"
    render "$icons/org.orvane.Calculator.svg" "$dir/org.orvane.Calculator.png" "$n" "$n"
done

render "$images/logo_small.svg" "$images/logo_small.png" 95 27
render "$images/logo_large.svg" "$images/logo_large.png" 121 70
echo "icons and logos written under $icons and $images"
