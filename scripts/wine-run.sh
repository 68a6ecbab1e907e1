#!/usr/bin/env bash
# Runs one Windows program under Wine in the project's prefix; used by ctest as the launcher.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
wine_prefix_ready
exec wine "$@"
