#!/usr/bin/env bash
# Renders the hand-drawn SVG icons under resources/icons/ to PNG and builds the
# Windows .ico. Needs rsvg-convert (Debian: librsvg2-bin) and python3.
# Run from anywhere; the output is written next to the sources:
#   resources/icons/programmer/NxN/actions/NAME.png   toolbar icons, N = 16 24 32 48 64
#   resources/icons/app/png/programmer-N.png          app icon, N = 16 22 24 32 48 64 128 256 512
#   resources/icons/app/programmer.ico                16 24 32 48 64 256, PNG-compressed entries
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
icons="$here/../resources/icons"
icons=$(cd "$icons" && pwd)

command -v rsvg-convert >/dev/null || {
    echo "render_icons.sh: rsvg-convert not found (apt-get install librsvg2-bin)" >&2
    exit 1
}
command -v python3 >/dev/null || {
    echo "render_icons.sh: python3 not found" >&2
    exit 1
}

render() { # svg size out.png
    rsvg-convert --width "$2" --height "$2" --keep-aspect-ratio --format png --output "$3" "$1"
}

# Toolbar icons. scalable/actions/ holds the drawings on the 24 px grid (used
# for 24, 48 and 64 px); small/actions/ the same icons redrawn on the 16 px grid
# with 1 px lines (used for 16 and 32 px, where the 24 px grid would blur).
theme="$icons/programmer"
for n in 16 24 32 48 64; do
    mkdir -p "$theme/${n}x${n}/actions"
    for svg in "$theme"/scalable/actions/*.svg; do
        name=$(basename "$svg" .svg)
        small="$theme/small/actions/$name.svg"
        if [[ ($n == 16 || $n == 32) && -f $small ]]; then
            svg=$small
        fi
        render "$svg" "$n" "$theme/${n}x${n}/actions/$name.png"
    done
done

# Application icon: the 16 px and 24 px drawings for the small sizes, the full
# drawing for the rest. 22 px is the 24 px drawing with its 1 px margin cut off.
app="$icons/app"
mkdir -p "$app/png"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
sed 's/viewBox="0 0 24 24"/viewBox="1 1 22 22"/; s/width="24" height="24"/width="22" height="22"/' \
    "$app/programmer-24.svg" >"$tmp/programmer-22.svg"
render "$app/programmer-16.svg" 16 "$app/png/programmer-16.png"
render "$tmp/programmer-22.svg" 22 "$app/png/programmer-22.png"
render "$app/programmer-24.svg" 24 "$app/png/programmer-24.png"
for n in 32 48 64 128 256 512; do
    render "$app/programmer.svg" "$n" "$app/png/programmer-$n.png"
done

# Windows icon: an ICONDIR followed by whole PNG files (Vista and later read these).
python3 - "$app/programmer.ico" "$app"/png/programmer-{16,24,32,48,64,256}.png <<'PY'
import struct, sys

out, pngs = sys.argv[1], sys.argv[2:]
images = []
for path in pngs:
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        sys.exit(f"render_icons.sh: {path} is not a PNG")
    width, height = struct.unpack(">II", data[16:24])
    images.append((width, height, data))

offset = 6 + 16 * len(images)
header = struct.pack("<HHH", 0, 1, len(images))
entries = b""
for width, height, data in images:
    # width/height 256 are stored as 0; 32 bits per pixel, one plane.
    entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
with open(out, "wb") as f:
    f.write(header + entries + b"".join(data for _, _, data in images))
PY

echo "render_icons.sh: icons written under $icons"
