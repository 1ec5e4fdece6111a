#!/usr/bin/env bash
# Installs the Debian packages the build and tests need, where missing.
set -euo pipefail
pkgs=(cmake g++ ninja-build ccache pkg-config
      libgtest-dev libgmock-dev libbenchmark-dev
      libgl-dev libglu1-mesa-dev libosmesa6-dev
      libocct-foundation-dev libocct-modeling-data-dev libocct-modeling-algorithms-dev
      libocct-data-exchange-dev nlohmann-json3-dev libeigen3-dev libcgal-dev libgmp-dev
      libfreetype-dev fonts-dejavu-core libtbb-dev clang-format libboost-dev)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
