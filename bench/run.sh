#!/usr/bin/env bash
# Builds the benchmark and runs it: the raw output engine against `lp -o raw` on a private
# CUPS (see bench/README.md). Arguments go to rawcast-bench, e.g. --runs 1 or --verify.
# Needs the packages of tools/install-deps.sh and root (the private cupsd runs its
# backends as user lp).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-bench"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target rawcast-bench rawcast-bench-send rawcast-private-cups
exec "$build/bench/rawcast-bench" "$@"
