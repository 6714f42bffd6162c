#!/usr/bin/env bash
# Installs the Debian 12 packages of the given set that are missing: "run" (building and running
# the program) or "test" (the default: the run set and what building and running every test needs).
# Idempotent: when everything is installed already it changes nothing.
set -euo pipefail
set_name="${1:-test}"

# The compiler and build tools, Qt with what its CMake package looks for, and the fonts the program
# sets its texts in (Liberation Sans) and falls back on (DejaVu).
run_packages=(
  cmake ninja-build g++
  qt6-base-dev libgl-dev fonts-dejavu-core fonts-liberation2
)
test_packages=(
  pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xdotool x11-utils xclip time libxcb1-dev openbox
  desktop-file-utils appstream binutils-mingw-w64-x86-64
)

case "$set_name" in
  # Without the recommendations (a GTK platform theme and its desktop stack, systemd, Qt's
  # translations): the program neither loads nor needs them, and they would double the set-up.
  run) packages=("${run_packages[@]}") recommends=(--no-install-recommends) ;;
  # With the recommendations, as the tested machines have them.
  test) packages=("${run_packages[@]}" "${test_packages[@]}") recommends=() ;;
  *)
    echo "setup.sh: unknown set '$set_name' (run or test)" >&2
    exit 2
    ;;
esac

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
  echo "  apt-get install ${recommends[*]} ${missing[*]}" >&2
  exit 1
fi
"${sudo[@]}" apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${recommends[@]}" "${missing[@]}"
