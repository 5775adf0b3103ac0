#!/usr/bin/env bash
# Renders the 48 and 256 pixel icons from the scalable ones; run after changing an SVG and
# commit the PNGs with it. Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/hicolor"

for svg in scalable/apps/*.svg; do
    name=$(basename "$svg" .svg)
    for size in 48 256; do
        mkdir -p "${size}x${size}/apps"
        rsvg-convert --width "$size" --height "$size" --output "${size}x${size}/apps/$name.png" "$svg"
    done
done
