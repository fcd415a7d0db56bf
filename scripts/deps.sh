#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing. Safe to run again.
set -euo pipefail

# poppler-utils: pdftotext reads back the printed PDFs in the print tests; chromium renders the
# published website in its test. The Debian package (scripts/package.sh) is made with dpkg-dev and
# librsvg2-bin (the icon's sizes) and checked with lintian, appstream, man-db and bash-completion.
packages=(cmake make g++ clang qt6-base-dev qt6-base-dev-tools libgl-dev desktop-file-utils
          poppler-utils chromium dpkg-dev librsvg2-bin lintian appstream man-db
          bash-completion)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
