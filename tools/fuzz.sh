#!/usr/bin/env bash
# Fuzzes the readers of untrusted files with libFuzzer:
#   tools/fuzz.sh [SECONDS] [TARGET...]
# TARGETs: analysis_cache (the cache reader, the model load, the start-up
# conversion, the glance at a cache's recording and its hand-over to a new
# path), decoder, tags; all three by default. Each runs SECONDS
# (default 600); FUZZ_JOBS targets at a time (default 1, one core each).
#
# Builds build-fuzz/ with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# (the option BUILD_FUZZERS), writes the seeds afresh (made in code, plus
# encoded audio when ffmpeg is there), and keeps per target in
# build-fuzz/fuzz/TARGET/: corpus/ (grows from run to run), findings/
# (inputs that crashed, leaked, timed out or ran out of memory) and log.txt.
# Prints executions and findings per target; exits non-zero on a finding.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

seconds="${1:-600}"
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(analysis_cache decoder tags)
jobs="${FUZZ_JOBS:-1}"

install_packages
build="$repo_dir/build-fuzz"
work="$build/fuzz"
# Qt's logging macros trip clang's pedantic check on every use.
configure_and_build "$build" fuzz_seeds "${targets[@]/#/fuzz_}" -- \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_FUZZERS=ON \
    -DENABLE_ASAN_UBSAN=ON -DBUILD_TESTING=OFF -DBUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS=-Wno-gnu-zero-variadic-macro-arguments

# --- Seeds ----------------------------------------------------------------
seeds="$work/seeds"
rm -rf "$seeds"
"$build/tests/fuzz/fuzz_seeds" "$seeds"

# The tag target's first byte picks the file name's extension (the order of
# its list): 0 mp3, 1 flac, 2 ogg, 4 opus, 5 m4a, 7 aac, 8 wav, 9 aiff,
# 11 wma, 14 wv.
if command -v ffmpeg >/dev/null; then
    encoded="$(mktemp -d)"
    trap 'rm -rf "$encoded"' EXIT
    # name extension tag-byte ffmpeg-output-options
    while read -r name ext byte options; do
        out="$encoded/$name.$ext"
        # shellcheck disable=SC2086 # options are words
        ffmpeg -hide_banner -nostdin -loglevel error -y -f lavfi -i "sine=frequency=440:duration=0.1:sample_rate=22050" \
            -ac 2 -metadata title="Seed title" -metadata artist="Seed artist" -metadata album="Seed album" \
            $options "$out" || { echo "ffmpeg could not write $name.$ext; skipped" >&2; continue; }
        cp "$out" "$seeds/decoder/$name.$ext"
        { printf "\\x$(printf %02x "$byte")"; cat "$out"; } > "$seeds/tags/$name.$ext"
    done <<'LIST'
mp3 mp3 0 -c:a libmp3lame -b:a 32k
vorbis ogg 2 -c:a libvorbis -q:a 0
opus opus 4 -c:a libopus -b:a 16k
aac m4a 5 -c:a aac -b:a 32k
adts aac 7 -c:a aac -b:a 32k -f adts
pcm wav 8 -c:a pcm_s16le
pcm aiff 9 -c:a pcm_s16be
wma wma 11 -c:a wmav2 -b:a 32k
flac flac 1 -c:a flac
wavpack wv 14 -c:a wavpack
LIST
else
    echo "ffmpeg is not installed: seeds made in code only" >&2
fi

# --- Runs -----------------------------------------------------------------
# Inputs become files: keep them in memory.
scratch="$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)"
trap 'rm -rf "$scratch" ${encoded:+"$encoded"}' EXIT
export ASAN_OPTIONS="abort_on_error=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$repo_dir/tools/sanitizers/lsan.supp:print_suppressions=0"

run_target() {
    local target="$1" dir="$work/$1" options=()
    # Inputs up to the largest seed, but caches of a few hundred beats too.
    [ "$target" = analysis_cache ] && options+=(-max_len=16384)
    mkdir -p "$dir/corpus" "$dir/findings" "$scratch/$target"
    TMPDIR="$scratch/$target" "$build/tests/fuzz/fuzz_$target" "$dir/corpus" "$seeds/$target" \
        -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$dir/findings/" "${options[@]}" >"$dir/log.txt" 2>&1 || true
}

for target in "${targets[@]}"; do
    rm -rf "$work/$target/findings"
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
    run_target "$target" &
done
wait

found=0
for target in "${targets[@]}"; do
    dir="$work/$target"
    executions=$(awk '/stat::number_of_executed_units/ {print $2}' "$dir/log.txt" | tail -1)
    findings=$(find "$dir/findings" -type f | wc -l)
    corpus=$(find "$dir/corpus" -type f | wc -l)
    echo "$target: ${executions:-?} executions in ${seconds} s, corpus $corpus, findings $findings"
    find "$dir/findings" -type f -printf '    %p\n'
    [ "$findings" -eq 0 ] || found=1
done
exit "$found"
