#!/usr/bin/env bash
# End to end, as a new user would: the build installed into a temporary prefix (the
# program, its launcher entry, icon and metainfo), a fresh private CUPS demo printer whose
# jobs land as files, then, with the installed program,
#   1. `rawcast -p FILE` headless: the bytes at the printer and exit code 0; `-pt` to a
#      printer that does not exist: a non-zero code and the message on standard error;
#   2. the window on a private X server (Xvfb), driven by real key events (xdotool): Add
#      twice through the file dialog, Output, File > Exit; the printer gets both files
#      back to back as one job;
#   3. a polite kill (SIGTERM) ends the window as its close box does, settings written.
# Nothing touches the user's profile, display or CUPS.
#
#   tools/e2e.sh [BUILD_DIR]      (default: $RAWCAST_BUILD, else build)
#
# RAWCAST_KEEP_E2E=1 keeps the work folder (logs, jobs, profiles) for inspection.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${RAWCAST_BUILD:-$top/build}}
democups=$build/tools/privatecups/rawcast-private-cups

say() { echo "e2e: $*"; }

work=$(mktemp -d /tmp/rawcast-e2e-XXXXXX)
work=$(cd "$work" && pwd -P)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    if [[ -n ${RAWCAST_KEEP_E2E:-} ]]; then echo "e2e: work folder kept: $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT

fail() {
    echo "e2e: FAILED: $*" >&2
    if [[ -n ${DISPLAY:-} ]] && command -v import >/dev/null; then
        import -window root "$work/failure.png" 2>/dev/null && RAWCAST_KEEP_E2E=1
    fi
    for log in "$work"/*.log; do
        [[ -s $log ]] || continue
        echo "---- ${log##*/}" >&2
        tail -n 25 "$log" >&2
    done
    exit 1
}

for tool in Xvfb xdotool cmp; do
    command -v "$tool" >/dev/null || fail "$tool is missing (tools/install-deps.sh)"
done
[[ -x $build/app/rawcast && -x $democups ]] || fail "build rawcast and $democups first"

# ---- The installed program -------------------------------------------------------------
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || fail "cmake --install failed"
for file in bin/rawcast share/applications/rawcast.desktop \
    share/metainfo/io.github.rawcast.Rawcast.metainfo.xml \
    share/icons/hicolor/48x48/apps/rawcast.png share/icons/hicolor/128x128/apps/rawcast.png; do
    [[ -s $prefix/$file ]] || fail "cmake --install put no $file"
done
program=$prefix/bin/rawcast
say "installed into $prefix"

# ---- The demo printer ------------------------------------------------------------------
jobs=$work/jobs
"$democups" --jobs "$jobs" --pidfile "$work/cups.pid" >"$work/cups.env" 2>"$work/cups.log" &
pids+=($!)
for _ in $(seq 200); do [[ -s $work/cups.pid ]] && break; sleep 0.1; done
[[ -s $work/cups.pid ]] || fail "the demo printer did not start"
# shellcheck disable=SC1091
source "$work/cups.env"
export CUPS_SERVER
unset PRINTER LPDEST # its queue is the server's default
say "demo printer $RAWCAST_QUEUE on $CUPS_SERVER"

# Waits until the demo printer has taken n jobs in full (it reports each finished one).
waitJobs() {
    local n=$1
    for _ in $(seq 300); do
        (($(grep -c ': job [0-9]*: ' "$work/cups.log" || true) >= n)) && return 0
        sleep 0.1
    done
    fail "the printer got $(grep -c ': job [0-9]*: ' "$work/cups.log" || true) job(s), not $n"
}
jobCount() { find "$jobs" -name 'job-*.prn' | wc -l; }

first="$work/first file.bin" # a blank in the name: one word for the program all the same
second=$work/second.bin
head -c 204801 /dev/urandom >"$first"
head -c 70000 /dev/urandom >"$second"

# ---- 1. Headless, with the print switches ----------------------------------------------
set +e
XDG_CONFIG_HOME=$work/config-p QT_QPA_PLATFORM=offscreen timeout 60 \
    "$program" -p "$first" >"$work/p.log" 2>&1
code=$?
set -e
((code == 0)) || fail "rawcast -p exited with $code"
waitJobs 1
cmp "$first" "$jobs/job-0001.prn" || fail "the job of -p differs from the file"
grep -qxF "File1=$first" "$work/config-p/rawcast.INI" || fail "-p left no recent-file entry"
say "-p: $(stat -c %s "$jobs/job-0001.prn") bytes arrived unchanged, exit code 0"

set +e
XDG_CONFIG_HOME=$work/config-pt QT_QPA_PLATFORM=offscreen timeout 60 \
    "$program" -pt "$first" no-such-printer >"$work/pt.log" 2>&1
code=$?
set -e
((code != 0)) || fail "rawcast -pt to a missing printer exited with 0"
grep -qF "Could not start print job." "$work/pt.log" || fail "-pt reported nothing on standard error"
sleep 1
(($(jobCount) == 1)) || fail "-pt to a missing printer made a job"
say "-pt to a missing printer: exit code $code, \"Could not start print job.\""

# ---- 2. The window under Xvfb, driven by real input --------------------------------------
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || fail "Xvfb did not start"
export DISPLAY=:$(head -n1 "$work/display")

# The visible window of a process whose title matches (--all: both, not either).
waitWindow() {
    local pid=$1 name=$2 id=""
    for _ in $(seq 150); do
        id=$(xdotool search --all --onlyvisible --pid "$pid" --name "$name" 2>/dev/null | tail -n1 || true)
        [[ -n $id ]] && { echo "$id"; return 0; }
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}
gone() {
    local id=$1
    for _ in $(seq 50); do
        xdotool getwindowname "$id" >/dev/null 2>&1 || return 0
        xwininfo -id "$id" 2>/dev/null | grep -q "IsUnMapped" && return 0
        sleep 0.1
    done
    return 1
}
# With no window manager the program's window gets the keyboard back by hand.
focus() {
    xdotool windowfocus --sync "$1"
    sleep 0.3
}
waitExit() {
    local pid=$1
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || { wait "$pid"; return $?; }
        sleep 0.1
    done
    fail "the program did not end"
}

XDG_CONFIG_HOME=$work/config-gui QT_QPA_PLATFORM=xcb "$program" >"$work/gui.log" 2>&1 &
gui=$!
pids+=("$gui")
main=$(waitWindow "$gui" "^Untitled - Rawcast$") || fail "no window \"Untitled - Rawcast\""
say "window $main on $DISPLAY"

# The focus starts on the file list; Tab goes to Add.
focus "$main"
xdotool key Tab
for file in "$first" "$second"; do
    xdotool key space # presses Add
    dialog=$(waitWindow "$gui" "^Open$") || fail "Add showed no file dialog"
    # Keys sent while the dialog is still settling can be lost: type the name again
    # (over what is there) until the dialog takes it.
    for _ in 1 2 3; do
        focus "$dialog"
        xdotool key ctrl+a
        xdotool type --delay 5 "$file"
        xdotool key Return
        gone "$dialog" && break
        xdotool key Return # a completion list may take the first Enter
        gone "$dialog" && break
    done
    gone "$dialog" || fail "the file dialog stayed open"
    focus "$main"
done
xdotool key Tab Tab Tab space # Ins, Del, Output; press it
waitJobs 2
cat "$first" "$second" | cmp - "$jobs/job-0002.prn" || fail "the job of Output differs from the files"
(($(jobCount) == 2)) || fail "Output made more than one job"
say "Add, Add, Output: one job of $(stat -c %s "$jobs/job-0002.prn") bytes, both files unchanged"

focus "$main"
xdotool key alt+f
sleep 0.5
xdotool key x # Exit
set +e
waitExit "$gui"
code=$?
set -e
((code == 0)) || fail "File > Exit ended with $code"
grep -qx "BlockSize=10" "$work/config-gui/rawcast.INI" || fail "File > Exit wrote no block size"
grep -qx "Printer=.*,$RAWCAST_QUEUE,.*" "$work/config-gui/rawcast.INI" ||
    fail "File > Exit wrote no printer"
say "File > Exit: exit code 0, settings written"

# ---- 3. A polite kill ends it as the close box does ---------------------------------------
XDG_CONFIG_HOME=$work/config-term QT_QPA_PLATFORM=xcb "$program" "$second" >"$work/term.log" 2>&1 &
gui=$!
pids+=("$gui")
waitWindow "$gui" "^second.bin - Rawcast$" >/dev/null || fail "no window \"second.bin - Rawcast\""
kill -TERM "$gui"
set +e
waitExit "$gui"
code=$?
set -e
((code == 0)) || fail "SIGTERM ended the program with $code"
grep -qx "BlockSize=10" "$work/config-term/rawcast.INI" || fail "SIGTERM: no block size written"
grep -qxF "File1=$second" "$work/config-term/rawcast.INI" || fail "SIGTERM: no recent file written"
say "SIGTERM: exit code 0, settings written"
say "passed"
