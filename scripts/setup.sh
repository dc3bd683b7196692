#!/usr/bin/env bash
# Installs what the project needs on Debian 12 (when missing), then configures and builds.
# Used by the README's two commands and by CI.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake pkg-config qt6-base-dev libsqlcipher-dev sqlcipher
          libgtest-dev xvfb xauth fonts-dejavu-core)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${CI:-}" = "true" ] || [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq "${packages[@]}" >/dev/null
fi

build_dir=${TOLVA_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVA_WERROR=ON >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
