#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build the game.
set -euo pipefail
paquets=(build-essential cmake pkg-config libgtest-dev libbenchmark-dev fonts-dejavu-core libpng-dev libjpeg62-turbo-dev clang libclang-rt-14-dev
         libsdl1.2-dev libsdl-image1.2-dev libsdl-ttf2.0-dev libsdl-gfx1.2-dev libsdl-mixer1.2-dev xvfb xauth)
manque=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manque+=("$p")
done
if [ ${#manque[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${manque[@]}"
fi
