#!/usr/bin/env bash
# The main job: installs what is missing, builds and starts Rawcast; the words after the
# script go to the program (a file to open, or -p FILE to print it without a window).
#
# Where libcups reaches no printer (no destination through the usual client settings),
# it starts the demo printer first: a private CUPS server with the raw queue
# "rawcast-demo" as its default, whose every job lands as a file in out/demo-jobs/
# (job-0001.prn, job-0002.prn, ...). The machine's own CUPS is not touched, and the demo
# printer stops when the program ends.
#
#   RAWCAST_DEMO=1       always use the demo printer; RAWCAST_DEMO=0 never
#   RAWCAST_DEMO_JOBS    the demo printer's job folder (default out/demo-jobs)
#   RAWCAST_BUILD        the build folder (default build)
#
# Without a display it needs QT_QPA_PLATFORM=offscreen, which it sets itself for -p/-pt.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${RAWCAST_BUILD:-$top/build}

"$top/tools/install-deps.sh"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target rawcast rawcast-private-cups
program=$build/app/rawcast
democups=$build/tools/privatecups/rawcast-private-cups

printing=0
for word in "$@"; do
    [[ $word == -p || $word == -pt || $word == /p || $word == /pt ]] && printing=1
done
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
    if ((printing)); then
        export QT_QPA_PLATFORM=offscreen
    else
        echo "run: no display for the window. Print without one:" >&2
        echo "     QT_QPA_PLATFORM=offscreen bash tools/run.sh -p FILE" >&2
        exit 1
    fi
fi

demo=${RAWCAST_DEMO:-}
if [[ -z $demo ]]; then
    demo=1
    if command -v lpstat >/dev/null && [[ -n $(lpstat -e 2>/dev/null) ]]; then
        demo=0
    fi
fi

if [[ $demo != 1 ]]; then
    exec "$program" "$@"
fi

jobs=${RAWCAST_DEMO_JOBS:-$top/out/demo-jobs}
mkdir -p "$jobs"
jobs=$(cd "$jobs" && pwd)
state=$(mktemp -d /tmp/rawcast-run-XXXXXX)
"$democups" --jobs "$jobs" --pidfile "$state/cups.pid" >"$state/cups.env" 2>"$state/cups.log" &
cups=$!
stop() {
    # The spooler may still be handing the last job to the printer: let it finish.
    if [[ -n ${CUPS_SERVER:-} ]]; then
        for _ in $(seq 600); do
            [[ -z $(lpstat -o 2>/dev/null) ]] && break
            sleep 0.1
        done
        sleep 0.6 # the demo printer reports a finished job within half a second
    fi
    kill "$cups" 2>/dev/null || true
    wait "$cups" 2>/dev/null || true
    grep ': job ' "$state/cups.log" 2>/dev/null | sed 's/^rawcast-private-cups: /demo printer: /' || true
    rm -rf "$state"
}
trap stop EXIT
for _ in $(seq 200); do
    [[ -s $state/cups.pid ]] && break
    kill -0 "$cups" 2>/dev/null || break
    sleep 0.1
done
if [[ ! -s $state/cups.pid ]]; then
    cat "$state/cups.log" >&2
    echo "run: the demo printer did not start" >&2
    exit 1
fi
# shellcheck disable=SC1091
source "$state/cups.env"
export CUPS_SERVER
unset PRINTER LPDEST
echo "demo printer: no printer is set up here, so jobs go to the raw queue $RAWCAST_QUEUE"
echo "demo printer: every job lands as a file in $jobs"

set +e
"$program" "$@"
code=$?
set -e
exit "$code"
