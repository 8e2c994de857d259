#!/usr/bin/env bash
# Installs the Debian packages Quantenpfad needs to build, test and run.
# Idempotent: asks apt only for what is missing and says nothing when all is there.
#   --with-screenshots  also what the screenshot tools need
#   --with-packaging    also what cpack needs for the .deb
#   --with-fuzzing      also clang with libFuzzer (scripts/fuzz.sh)
#   --with-screenreader also the desktop's accessibility bus and its Python client
#                       (scripts/bildschirmleser.sh)
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  qt6-base-dev libgl-dev qt6-l10n-tools qt6-tools-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-comic-neue fonts-open-sans fonts-liberation2 fonts-dejavu-core
  qt6-translations-l10n desktop-file-utils appstream
)
for arg in "$@"; do
  case "$arg" in
    --with-screenshots) packages+=(xvfb openbox xdotool x11-utils x11-apps imagemagick) ;;
    --with-packaging) packages+=(dpkg-dev file) ;;
    --with-fuzzing) packages+=(clang libclang-rt-14-dev) ;;  # scripts/fuzz.sh
    --with-screenreader) packages+=(xvfb openbox at-spi2-core python3-pyatspi dbus-x11) ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

als_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "sudo is not available. Run this as root, then start again:" >&2
    echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  als_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${als_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${als_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
