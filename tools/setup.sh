#!/usr/bin/env bash
# Installs what building and testing Flockhand needs on a Debian (bookworm) machine, as root
# (or through sudo). Idempotent and quick: when everything is there it only asks dpkg.
set -euo pipefail

packages=(
  cmake make ninja-build g++ python3             # builds; native unit tests
  git                                            # tools/release.sh builds a commit
  googletest                                     # GoogleTest sources (/usr/src/googletest)
  g++-mingw-w64-x86-64-posix mingw-w64-tools     # the Windows build
  wine wine64                                    # running flockhand.exe (64-bit only)
  fonts-wine                                     # Wine's own fonts: Marlett draws the caption buttons
  # Libraries Wine's X11 driver loads at run time; only recommended by the wine packages.
  # Without libxinerama1 Wine sees a single monitor; without libxrender1 no alpha blending.
  libxinerama1 libxrender1 libxrandr2 libxi6 libxcursor1 libxfixes3 libxcomposite1
  xvfb xserver-xephyr x11-utils                  # the private two-monitor display; xdpyinfo
  fonts-ipafont-gothic                           # Japanese UI text under Wine
  imagemagick                                    # screenshots (import)
  fp-utils libchm-bin                            # the compiled help file
  clang libclang-rt-14-dev                       # the libFuzzer targets (tools/fuzz.sh)
)

# One dpkg-query for all: "name ii " for each installed package.
installed=$(dpkg-query -W -f='${Package} ${db:Status-Abbrev}\n' "${packages[@]}" 2>/dev/null || true)
missing=()
for package in "${packages[@]}"; do
  grep -q "^$package ii " <<<"$installed" || missing+=("$package")
done
((${#missing[@]} == 0)) && exit 0

echo "setup: installing ${missing[*]}" >&2
sudo=()
(($(id -u) == 0)) || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
