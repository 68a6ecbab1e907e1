#!/usr/bin/env bash
# Installs the Debian packages the builds and tests need, skipping those already present.
set -euo pipefail

# Each is used: the builds (cmake, ninja, the compilers, GoogleTest natively and as sources for
# the Windows build), the sanitizer and fuzzer runtime, the format check, Wine on a virtual display
# with the font that stands in for Arial, the scripts that draw the skin, and NSIS for the
# installer.
PACKAGES=(
  cmake ninja-build g++ clang libclang-rt-14-dev clang-format
  googletest libgtest-dev
  g++-mingw-w64-x86-64-posix
  wine wine64 xvfb xauth fonts-liberation python3
  nsis
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
