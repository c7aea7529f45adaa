#!/usr/bin/env bash
# Installs the Debian packages the project needs; does nothing when all are present.
set -euo pipefail
pkgs=(
  g++ clang cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6 libgl-dev
  libcurl4-openssl-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev libcpp-httplib-dev
  xvfb xauth x11-apps imagemagick xdg-utils poppler-utils python3 python3-dateutil
  fonts-dejavu-core
)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
