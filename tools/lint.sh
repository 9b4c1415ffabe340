#!/usr/bin/env bash
# Checks the C++ files a branch changed: their formatting against
# .clang-format (clang-format 14) and the faults .clang-tidy looks for.
#
#   tools/lint.sh [BASE]        files changed since BASE (default main),
#                               committed or not
#   tools/lint.sh --fix [BASE]  also rewrites their formatting in place
#
# clang-tidy reads the compile commands of build-asan/ (tools/test.sh makes
# it; TONBROOK_LINT_BUILD names another tree). Headers are checked through
# the sources that include them. Exits non-zero when anything is found.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

fix=0
if [ "${1:-}" = "--fix" ]; then
    fix=1
    shift
fi
base="${1:-main}"
build_dir="${TONBROOK_LINT_BUILD:-$repo_dir/build-asan}"
cd "$repo_dir"

mapfile -t files < <(
    {
        git diff --name-only --diff-filter=ACMR "$(git merge-base "$base" HEAD)"
        git ls-files --others --exclude-standard
    } | grep -E '^(src|tests|bench|resources)/.*\.(cpp|h)$' | sort -u
)
if [ ${#files[@]} -eq 0 ]; then
    echo "No C++ file changed since $base."
    exit 0
fi

status=0

echo "== clang-format (${#files[@]} files)"
for f in "${files[@]}"; do
    if [ "$fix" -eq 1 ]; then
        clang-format-14 -i "$f"
    elif ! clang-format-14 --dry-run --Werror "$f" 2>/dev/null; then
        echo "  needs formatting: $f (tools/lint.sh --fix)"
        status=1
    fi
done

sources=()
for f in "${files[@]}"; do
    [[ "$f" == *.cpp ]] && sources+=("$f")
done
if [ ${#sources[@]} -gt 0 ]; then
    echo "== clang-tidy (${#sources[@]} sources)"
    if [ ! -f "$build_dir/compile_commands.json" ]; then
        echo "  no $build_dir/compile_commands.json: run tools/test.sh first" >&2
        exit 2
    fi
    if ! clang-tidy-14 -p "$build_dir" --quiet --extra-arg=-Wno-gnu-zero-variadic-macro-arguments "${sources[@]}" 2>/dev/null | grep -E -A3 'warning:|error:'; then
        : # nothing found
    else
        status=1
    fi
fi

exit $status
