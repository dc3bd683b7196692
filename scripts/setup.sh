#!/usr/bin/env bash
# Installs what the project needs on Debian 12 (when missing), then configures and builds.
# Used by the README's two commands and by CI.
set -euo pipefail
cd "$(dirname "$0")/.."

# The component compiles Debian's SQLCipher source itself (tcl makes its amalgamation, libssl-dev
# gives its cipher); the sqlcipher shell reads our files in tests and benchmarks; libsqlite3-dev
# builds the test host that keeps a database of its own beside the component; qt6-translations-l10n
# gives Qt's own dialogs and buttons their German; file lets the Debian packaging find binaries;
# bash-completion, man-db and groff-base check the completion and the man page;
# desktop-file-utils, appstream, shared-mime-info, libxml2-utils and x11-utils check the desktop
# entries, the AppStream data, the MIME type and the program's window on an X display;
# poppler-utils reads the printed statements back (pdftotext) and pictures their pages (pdftoppm);
# qt6-tools-dev and qt6-l10n-tools compile the translations (lrelease) and check them (lupdate).
packages=(build-essential cmake pkg-config qt6-base-dev tcl libssl-dev libsqlite3-dev sqlcipher
          libgtest-dev xvfb xauth fonts-dejavu-core file qt6-translations-l10n
          bash-completion man-db groff-base desktop-file-utils appstream shared-mime-info
          libxml2-utils x11-utils poppler-utils qt6-tools-dev qt6-l10n-tools)

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
# TOLVA_CMAKE_ARGS adds options, e.g. -DTOLVA_BUILD_TESTS=OFF for a build that only packages.
read -r -a extra <<<"${TOLVA_CMAKE_ARGS:-}"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVA_WERROR=ON "${extra[@]}" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
