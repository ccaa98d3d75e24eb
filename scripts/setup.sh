#!/usr/bin/env bash
# Installs every Debian package that the build, the program, the content tools
# and the tests need. Quick and silent when everything is present already.
set -euo pipefail

PACKAGES=(
  cmake g++ ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libqt6sql6-ibase
  firebird3.0-server-core firebird3.0-utils
  libmpg123-dev libsdl2-dev
  espeak-ng lame sox libsox-fmt-mp3 librsvg2-bin imagemagick
  hunspell hunspell-sk libxml2-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-apps fonts-liberation2 fonts-dejavu-core
)

missing=()
for p in "${PACKAGES[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

SUDO=""
[[ $(id -u) -eq 0 ]] || SUDO="sudo"
echo "Installing: ${missing[*]}" >&2
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${PACKAGES[@]}" >/dev/null
