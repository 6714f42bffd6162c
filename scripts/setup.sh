#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Quorvan need.
# Idempotent: when everything is installed already it changes nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev fonts-dejavu-core fonts-liberation2
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xdotool x11-utils xclip time libxcb1-dev openbox
  desktop-file-utils appstream binutils-mingw-w64-x86-64
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "Quorvan needs these Debian packages; please install them as root:" >&2
  echo "  apt-get install ${missing[*]}" >&2
  exit 1
fi
"${sudo[@]}" apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
