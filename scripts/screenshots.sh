#!/usr/bin/env bash
# Pictures of the program's windows for the documentation, made headless under Xvfb.
#
#   scripts/screenshots.sh [--all] [--scale F]
#
# Writes the main window with the channel table, the option features and the roger-beep window,
# in English (_en) and Chinese (_zh), into docs/screenshots/. --all adds every other window
# (left out of the repository, see docs/screenshots/.gitignore). With ImageMagick present the
# pictures are cut to 64 colours to keep them small.
set -euo pipefail
cd "$(dirname "$0")/.."

all=0
scale=1
while [ $# -gt 0 ]; do
    case "$1" in
        --all) all=1 ;;
        --scale) scale=${2:?--scale needs a factor}; shift ;;
        *) echo "usage: $0 [--all] [--scale F]" >&2; exit 2 ;;
    esac
    shift
done

# Build tools, Qt, Xvfb, the Chinese font and ImageMagick, when missing.
bash scripts/deps.sh

build=build/screenshots
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZB_BENCH=OFF
cmake --build "$build" -j2 --target zb347rx-screenshots zb_templates

raw=$(mktemp -d)
trap 'rm -rf "$raw"' EXIT
# The xcb platform under Xvfb, so fonts and styles are those of a desktop session.
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
    "$build/bin/zb347rx-screenshots" "$raw" --scale "$scale" >/dev/null

out=docs/screenshots
mkdir -p "$out/all"
readme_set=(frmMain FrmOptFeatures FrmToneTips)
for picture in "$raw"/*.png; do
    name=$(basename "$picture" .png)
    target="$out/all/$name.png"
    for wanted in "${readme_set[@]}"; do
        case "$name" in "$wanted"_en | "$wanted"_zh) target="$out/$name.png" ;; esac
    done
    [ "$all" -eq 1 ] || [ "$target" = "$out/$name.png" ] || continue
    if command -v convert >/dev/null; then
        convert "$picture" -strip -colors 64 "PNG8:$target"
    else
        cp "$picture" "$target"
    fi
    echo "$target"
done
[ "$all" -eq 1 ] || rmdir "$out/all" 2>/dev/null || true
