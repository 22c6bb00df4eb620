#!/usr/bin/env bash
# Installs what building and testing Flockhand needs on a Debian machine. Idempotent: when
# everything is present it only asks dpkg and returns.
set -euo pipefail

packages=(
  cmake make g++ python3                         # native build and unit tests
  googletest                                     # GoogleTest sources (/usr/src/googletest)
  g++-mingw-w64-x86-64-posix mingw-w64-tools     # the Windows build
  wine wine64 xvfb xserver-xephyr x11-utils      # running and testing flockhand.exe
  fonts-ipafont-gothic                           # Japanese UI text under Wine
  imagemagick                                    # screenshots
  fp-utils libchm-bin                            # compiled help file
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
