#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless: the whole
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

configure_and_build "$repo_dir/build-asan" -- \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" -DENABLE_ASAN_UBSAN=ON -DWARNINGS_AS_ERRORS=ON
(cd "$repo_dir/build-asan" && ctest --output-on-failure --parallel "$jobs" --timeout 300)

configure_and_build "$repo_dir/build-tsan" tests_threaded -- \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" -DENABLE_TSAN=ON -DBUILD_BENCH=OFF
(cd "$repo_dir/build-tsan" && ctest --output-on-failure --parallel "$jobs" --timeout 300 -L threaded)
