#!/usr/bin/env bash
# Installs what is missing, checks the formatting of every C++ file, builds
# and runs every test headless: the whole
# suite under AddressSanitizer and UndefinedBehaviorSanitizer, and the
# threaded tests again under ThreadSanitizer. Line tables only (-g1): the
# sanitizers need no more to name the failing line, and the build is faster.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages

export QT_QPA_PLATFORM=offscreen
export TONBROOK_AUDIO=none
# Qt wants a private runtime folder; CI containers have none.
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$repo_dir/tools/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$repo_dir/tools/sanitizers/tsan.supp"

jobs="${TONBROOK_JOBS:-$(nproc)}"

# Formatting first: seconds, and a difference fails the run.
mapfile -t unformatted < <(
    cd "$repo_dir" && find src tests bench resources \( -name '*.cpp' -o -name '*.h' \) -print0 |
        { xargs -0 clang-format-14 --dry-run --Werror 2>&1 || true; } |
        grep -oE '^[^: ]+\.(cpp|h):[0-9]+:[0-9]+: error' | cut -d: -f1 | sort -u
)
if [ ${#unformatted[@]} -gt 0 ]; then
    printf '  needs formatting: %s\n' "${unformatted[@]}" >&2
    echo "These files differ from .clang-format: clang-format-14 -i FILE, or tools/lint.sh --fix." >&2
    exit 1
fi

configure_and_build "$repo_dir/build-asan" -- \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" -DENABLE_ASAN_UBSAN=ON -DWARNINGS_AS_ERRORS=ON
(cd "$repo_dir/build-asan" && ctest --output-on-failure --parallel "$jobs" --timeout 300 -LE sound)
# The real-time sound tests on their own: they mostly wait, and a machine
# busy with the rest of the suite starves them into audible gaps. Raised
# priority keeps other work from taking the device thread's time (their
# private server raises its own); a case tries again by itself only when
# the machine stalled the sound on its way, never for a fault of the
# player, so ctest repeats nothing. Two at a time: four side by side
# starve the 10 ms case.
(cd "$repo_dir/build-asan" && at_raised_priority ctest --output-on-failure --parallel 2 --timeout 120 -L sound)

configure_and_build "$repo_dir/build-tsan" tests_threaded -- \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" -DENABLE_TSAN=ON -DBUILD_BENCH=OFF
(cd "$repo_dir/build-tsan" && ctest --output-on-failure --parallel "$jobs" --timeout 300 -L threaded)
