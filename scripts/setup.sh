#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build the game.
set -euo pipefail
paquets=(build-essential cmake pkg-config libgtest-dev libbenchmark-dev fonts-dejavu-core libpng-dev libjpeg62-turbo-dev clang libclang-rt-14-dev
         libsdl1.2-dev libsdl-image1.2-dev libsdl-ttf2.0-dev libsdl-gfx1.2-dev libsdl-mixer1.2-dev xvfb xauth)
manque=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manque+=("$p")
done
[ ${#manque[@]} -gt 0 ] || exit 0
# Whatever stops the install (no root and no sudo, no network), say what is
# missing and how to get it.
echec() {
  echo "missing packages: ${manque[*]}" >&2
  echo "install them as root with: apt-get install ${manque[*]}" >&2
  exit 1
}
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || echec
  sudo="sudo"
fi
$sudo apt-get update -qq || echec
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${manque[@]}" || echec
