#!/usr/bin/env bash
# Retakes the README's screenshots (docs/screenshot-*.png): the desktop program on a virtual X screen of
# 1280x1024 and of 800x600, one day and two days tiled, with a generated sample day. Runs in a fresh profile
# and data folder, accepting the first-start dialogs' defaults as a new user would, so the user's own
# settings are neither used nor touched.
#
# Needs the built program (BUILD, default build), Xvfb, xwd, xdotool and netpbm
# (Debian: xvfb x11-apps xdotool netpbm).
#
#   scripts/screenshots.sh [BUILD]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build=${1:-build}
program=$build/src/app/mealwright
cli=$build/src/cli_main/mealwright-cli
for tool in Xvfb xwd xdotool xwdtopnm pnmtopng; do
    command -v "$tool" >/dev/null || { echo "screenshots.sh: $tool is missing" >&2; exit 1; }
done
for file in "$program" "$cli"; do
    [[ -x $file ]] || { echo "screenshots.sh: $file is missing; build first" >&2; exit 1; }
done

work=$(mktemp -d)
server=
app=
cleanup() {
    [[ -n $app ]] && kill "$app" 2>/dev/null || true
    [[ -n $server ]] && kill "$server" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
mkdir -p "$work/food"
# Two days of the menu generator: the same every run.
"$cli" --data-dir "$work/food" generate --calories 2000 --seed 7 -o "$work/Monday.ypd" >/dev/null
"$cli" --data-dir "$work/food" generate --calories 1800 --seed 11 -o "$work/Tuesday.ypd" >/dev/null

# Waits until a window whose title matches is mapped and prints its id.
window_named() {
    local id
    for _ in $(seq 100); do
        if id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1) && [[ -n $id ]]; then
            echo "$id"
            return
        fi
        sleep 0.1
    done
    echo "screenshots.sh: no window \"$1\" came up" >&2
    return 1
}

start_screen() {
    Xvfb :97 -screen 0 "$1x24" -nolisten tcp &
    server=$!
    export DISPLAY=:97
    for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && return; sleep 0.1; done
}

stop_screen() {
    kill "$app" "$server" 2>/dev/null || true
    wait "$app" "$server" 2>/dev/null || true
    app= server=
}

# The whole screen as a PNG.
shoot() {
    sleep 1
    xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"docs/$1"
    echo "docs/$1"
}

for size in 1280x1024 800x600; do
    start_screen "$size"
    # The first start asks for the caloric need and the intake preferences; their defaults are taken.
    QT_QPA_PLATFORM=xcb "$program" --data-dir "$work/food" "$work/Monday.ypd" &
    app=$!
    if [[ ! -s $XDG_CONFIG_HOME/Mealwright/mealwright.ini ]]; then
        for dialog in "CALORIC NEED" "NUTRIENT INTAKE PREFERENCE"; do
            id=$(window_named "$dialog")
            xdotool windowfocus --sync "$id" key Return
        done
    fi
    frame=$(window_named "^Mealwright")
    # Without a window manager nothing maximizes: the frame is given the whole screen.
    xdotool windowsize "$frame" "${size%x*}" "${size#*x}" windowmove "$frame" 0 0
    shoot "screenshot-$size.png"
    xdotool windowfocus --sync "$frame" key ctrl+o
    open=$(window_named "Open")
    xdotool windowfocus --sync "$open" type --delay 5 "$work/Tuesday.ypd"
    xdotool key Return
    sleep 1
    xdotool windowfocus --sync "$frame" key alt+w key t
    shoot "screenshot-tiled-$size.png"
    stop_screen
done
