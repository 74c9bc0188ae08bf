#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing. PostgreSQL
# (server, libpq and Qt's driver) is for the remote database provider, its tests and benchmark.
# --checked adds what the sanitizer and fuzz builds need: clang 14, its sanitizer and
# libFuzzer runtimes, and llvm-symbolizer for readable stacks in the reports.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev
          libqt6sql6-sqlite libsqlite3-dev sqlite3 xvfb xauth xdotool imagemagick
          fonts-dejavu-core fonts-liberation fonts-liberation2 fonts-wine libxkbcommon-dev
          postgresql libpq-dev libqt6sql6-psql)
if [ "${1:-}" = "--checked" ]; then
    packages+=(clang-14 libclang-rt-14-dev llvm-14)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo > /dev/null; then
        echo "These packages are missing: ${missing[*]}" >&2
        echo "Run this as root, or install sudo, to let it install them." >&2
        exit 1
    fi
    sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
