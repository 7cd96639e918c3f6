#!/usr/bin/env bash
# Screenshots of the main window and the About box, in English and in Japanese, taken on
# a private X server (Xvfb) with a private CUPS demo printer as the default printer, so
# the Target Port shows a real destination. Nothing touches the user's profile or CUPS.
#
#   tools/screenshots.sh [OUTPUT_DIR]      (default: out/screenshots)
#
# RAWCAST_BUILD names the build folder (default: build); the program and the demo printer
# are built there first when needed. With openbox installed the windows get decorations.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${RAWCAST_BUILD:-$top/build}
out=${1:-$top/out/screenshots}

for tool in Xvfb xdotool xprop import; do
    command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing (tools/install-deps.sh)" >&2; exit 1; }
done

[[ -f "$build/CMakeCache.txt" ]] || cmake -S "$top" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target rawcast rawcast-private-cups >/dev/null
program=$build/app/rawcast
democups=$build/tools/privatecups/rawcast-private-cups
mkdir -p "$out"
out=$(cd "$out" && pwd)

work=$(mktemp -d /tmp/rawcast-shots-XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# The demo printer; its three lines set CUPS_SERVER and RAWCAST_QUEUE.
"$democups" --jobs "$work/jobs" --pidfile "$work/cups.pid" >"$work/cups.env" 2>"$work/cups.log" &
pids+=($!)
for _ in $(seq 100); do [[ -s "$work/cups.pid" ]] && break; sleep 0.1; done
[[ -s "$work/cups.pid" ]] || { cat "$work/cups.log" >&2; exit 1; }
# shellcheck disable=SC1091
source "$work/cups.env"
export CUPS_SERVER

# A free display number.
display=99
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
export DISPLAY=:$display
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
if command -v openbox >/dev/null; then
    openbox >"$work/wm.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.1
    done
fi

# The newest visible window of a process whose title matches.
waitWindow() {
    local pid=$1 name=$2 id=""
    for _ in $(seq 100); do
        id=$(xdotool search --all --onlyvisible --pid "$pid" --name "$name" 2>/dev/null | tail -n1 || true)
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

shoot() {
    local window=$1 file=$2
    sleep 0.7 # let the window paint
    if command -v openbox >/dev/null; then
        import -window "$window" -frame "$file"
    else
        import -window "$window" "$file"
    fi
    echo "$file"
}

# A file to open at start, so that the list shows an entry.
sample="$work/sample.prn"
printf 'raw bytes\n' >"$sample"

run() {
    local tag=$1 lang=$2 about=$3
    mkdir -p "$work/config-$tag"
    # The language comes from the locale names alone: no generated locale is needed.
    env -u LANGUAGE -u LC_MESSAGES LC_ALL="$lang" LANG="$lang" XDG_CONFIG_HOME="$work/config-$tag" \
        QT_QPA_PLATFORM=xcb "$program" "$sample" >"$work/rawcast-$tag.log" 2>&1 &
    local pid=$!
    pids+=("$pid")
    local main
    main=$(waitWindow "$pid" "Rawcast") || { cat "$work/rawcast-$tag.log" >&2; return 1; }
    xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
    shoot "$main" "$out/main-$tag.png"

    xdotool key --clearmodifiers alt+h
    sleep 0.3
    xdotool key a
    local box
    box=$(waitWindow "$pid" "$about") || { echo "screenshots: no About box ($tag)" >&2; return 1; }
    shoot "$box" "$out/about-$tag.png"
    xdotool key Escape
    sleep 0.3
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

run en en_US.UTF-8 "^About$"
run ja ja_JP.UTF-8 "ﾊﾞｰｼﾞｮﾝ情報"
echo "screenshots in $out"
