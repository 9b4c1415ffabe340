#!/usr/bin/env bash
# Installs what is missing, builds Tonbrook and starts it: ./tools/run.sh [FILE]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages
configure_and_build "$repo_dir/build" tonbrook -- -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec "$repo_dir/build/src/app/tonbrook" "$@"
