#!/usr/bin/env bash
# Draws every picture of the application and writes them onto one PNG for
# review: strips show a sample of their frames, the chord sheets wrap their
# cells, the necks appear under chord cells at full and grid size, and three
# mock-ups show the window with each tool page and its children in place.
#   tools/contact-sheet.sh [OUTPUT.png]   (default build-asan/contact-sheet.png)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

build_dir="$repo_dir/build-asan"
output="$(realpath -m "${1:-$build_dir/contact-sheet.png}")"

configure_and_build "$build_dir" picture_generator -- \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DENABLE_ASAN_UBSAN=ON -DWARNINGS_AS_ERRORS=ON

pictures="$(mktemp -d)"
trap 'rm -rf "$pictures"' EXIT
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
    "$build_dir/resources/picture_generator" "$pictures" --contact-sheet "$output"
echo "Contact sheet: $output"
