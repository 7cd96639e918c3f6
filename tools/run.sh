#!/usr/bin/env bash
# The main job: installs what is missing, builds and runs. Until the program's window
# exists, this runs the raw output engine's benchmark against a private CUPS (one run of
# each sender; pass --runs 3 for the figures of bench/README.md).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh"
exec bash "$top/bench/run.sh" --runs 1 "$@"
