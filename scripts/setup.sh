#!/usr/bin/env bash
# Installs the Debian packages the suite needs to build and test on a fresh machine. As root it
# installs what is missing; otherwise it prints the apt-get line and fails.
# usage: scripts/setup.sh [--no-gui]   (--no-gui: the console programs alone, without Qt)
set -euo pipefail

packages=(g++ cmake make libgtest-dev libgmock-dev)
if [ "${1:-}" != "--no-gui" ]; then
    # Qt 6 for the windows and drawings, SVG output, and a font for texts in pictures.
    packages+=(qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core)
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Es fehlen Pakete. Bitte als root ausführen:" >&2
    echo "  apt-get install -y ${missing[*]}" >&2
    exit 1
fi
echo "Installiere: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
