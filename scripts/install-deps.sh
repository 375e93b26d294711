#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and runs with. Safe to run again: it only
# asks apt for what is missing. Uses sudo only when not root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  libsqlite3-dev libzstd-dev libicu-dev libexpat1-dev libcli11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  wordnet-base wordnet-dev
  qt6-base-dev fonts-dejavu-core fonts-wqy-microhei xvfb xauth xdotool
  python3-dev pybind11-dev python3-pytest python3-nltk
  dpkg-dev file man-db desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
