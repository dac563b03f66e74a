#!/usr/bin/env bash
# Installs the Debian packages that building, testing and the demo need.
# Does nothing when they are all present.
set -euo pipefail

packages=(cmake make g++-mingw-w64-x86-64-posix wine wine64 xvfb xdotool imagemagick googletest python3)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
