#!/usr/bin/env bash
# Builds Rawcast and runs every test. Installs what is missing first.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh"

build="$top/build-ci"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)"

# Fuzz stage: every fuzz_* target of tests/fuzz/ (configured with RAWCAST_BUILD_FUZZERS,
# clang, libFuzzer and the sanitizers) is built in a folder of its own and runs for 30 s
# from its seeds in tests/fuzz/corpus/<name>/. Any crash fails the script. Nothing to do
# while there is no fuzz target.
if grep -qs "fuzz_" "$top"/tests/fuzz/CMakeLists.txt; then
    fuzzbuild="$top/build-fuzz"
    CC=clang CXX=clang++ cmake -S "$top" -B "$fuzzbuild" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DRAWCAST_BUILD_FUZZERS=ON >/dev/null
    mapfile -t fuzzers < <(cmake --build "$fuzzbuild" --target help |
        sed -n 's/^\.\.\. \(fuzz_[A-Za-z0-9_]*\)$/\1/p' | grep -v '_autogen' | sort -u)
    if ((${#fuzzers[@]})); then
        cmake --build "$fuzzbuild" -j"$(nproc)" --target "${fuzzers[@]}"
        mkdir -p "$fuzzbuild/fuzz-artifacts"
        ran=0
        for name in "${fuzzers[@]}"; do
            exe=$(find "$fuzzbuild" -type f -name "$name" -perm -u+x | head -n1)
            [[ -n "$exe" ]] || continue # a helper target, not an executable
            work="$fuzzbuild/fuzz-work/$name" # new inputs go here, never into the seeds
            mkdir -p "$work"
            seeds=()
            [[ -d "$top/tests/fuzz/corpus/$name" ]] && seeds=("$top/tests/fuzz/corpus/$name")
            log="$fuzzbuild/$name.log"
            echo "Fuzzing $name for 30 s"
            if ! "$exe" -max_total_time=30 -artifact_prefix="$fuzzbuild/fuzz-artifacts/$name-" \
                "$work" "${seeds[@]}" >"$log" 2>&1; then
                tail -n 60 "$log"
                echo "fuzz target $name failed (log $log, inputs in $fuzzbuild/fuzz-artifacts)"
                exit 1
            fi
            grep -E '^#[0-9]+' "$log" | tail -n1 || true
            ran=$((ran + 1))
        done
        echo "Fuzzing: $ran target(s), no crash"
    fi
fi

# Every test, the cups-labelled ones against private cupsd servers included; its summary
# is the last thing printed.
cd "$build"
ctest --output-on-failure -j"$(nproc)"
