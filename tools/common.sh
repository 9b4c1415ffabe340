# Shared by run.sh and test.sh: install missing packages, configure, build.

repo_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

install_packages() {
    local wanted missing=()
    wanted=$(grep -v -E '^\s*(#|$)' "$repo_dir/tools/debian-packages.txt")
    for pkg in $wanted; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; return 1; }
        sudo="sudo"
    fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -q
    $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Runs a command at a raised priority where this user may raise it:
# real-time (round robin at the lowest level: above every ordinary process,
# below the sound server's own thread), else ten nice levels up, else as it
# is. nice only warns when it may not, so the level it gives is what tells.
at_raised_priority() {
    if chrt -r 1 true 2>/dev/null; then
        chrt -r 1 "$@"
    elif [ "$(nice -n -10 nice 2>/dev/null)" -lt "$(nice)" ] 2>/dev/null; then
        nice -n -10 "$@"
    else
        "$@"
    fi
}

# configure_and_build BUILD_DIR TARGET... -- CMAKE_ARGS...
configure_and_build() {
    local build_dir="$1"; shift
    local targets=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do targets+=("$1"); shift; done
    [ "${1:-}" = "--" ] && shift
    # Configuring again is quick and keeps the tree's options those given here.
    cmake -S "$repo_dir" -B "$build_dir" -G Ninja "$@" >/dev/null
    local target_args=()
    for t in "${targets[@]}"; do target_args+=(--target "$t"); done
    cmake --build "$build_dir" --parallel "${TONBROOK_JOBS:-$(nproc)}" "${target_args[@]}"
}
