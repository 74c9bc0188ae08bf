#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build: run-fuzzers.sh <build folder> <seconds>.
# 0 seconds replays the committed seeds once each; otherwise each target runs that long,
# starting from the seeds and what earlier runs found, and keeps its new inputs in
# <build>/fuzz/corpus/<target>/ (a failing input goes to <build>/fuzz/artifacts/).
# Every target runs even when one fails; the exit status says whether any did.
set -uo pipefail
build=$1
seconds=$2
seeds=$(cd "$(dirname "$0")/corpus" && pwd)
export QT_QPA_PLATFORM=offscreen
failed=()
for dir in "$seeds"/*/; do
    target=$(basename "$dir")
    options=(-timeout=1 -rss_limit_mb=2048 -artifact_prefix="$build/fuzz/artifacts/$target-")
    # WrapText gets long texts, so that a pass slower than linear shows as a timeout.
    [ "$target" = wraptext ] && options+=(-max_len=100000)
    mkdir -p "$build/fuzz/artifacts" "$build/fuzz/corpus/$target"
    if [ "$seconds" -eq 0 ]; then
        echo "== $target: replaying the seeds"
        options+=(-runs=0 "$dir")
    else
        echo "== $target: fuzzing for $seconds s"
        options+=(-max_total_time="$seconds" "$build/fuzz/corpus/$target" "$dir")
    fi
    "$build/fuzz_$target" "${options[@]}" 2>"$build/fuzz/$target.log" \
        || { grep -v -E '^#[0-9]+' "$build/fuzz/$target.log" | tail -n 80; failed+=("$target"); }
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzz targets that failed: ${failed[*]} (logs in $build/fuzz/)" >&2
    exit 1
fi
