#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing. Safe to run again.
set -euo pipefail

# poppler-utils: pdftotext reads back the printed PDFs in the print tests; chromium renders the
# published website in its test; python3-icalendar reads the exported calendar back; Java and npm
# run and fetch the web checkers (below), unless another install already provides them. The Debian
# package (scripts/package.sh) is made with dpkg-dev and librsvg2-bin (the icon's sizes) and
# checked with lintian, appstream, man-db and bash-completion.
packages=(cmake make g++ clang qt6-base-dev qt6-base-dev-tools libgl-dev desktop-file-utils
          poppler-utils chromium python3-icalendar dpkg-dev librsvg2-bin lintian appstream man-db
          bash-completion)
command -v java >/dev/null || packages+=(default-jre-headless)
command -v npm >/dev/null || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

# The web checkers tests/cli/webcheck.sh and tests/cli/publish.sh run on the html pages: the W3C
# Nu HTML checker and axe-core, from npm, into a folder of their own outside the checkout. Without
# them the tests skip those checks and say so.
webtools="${PNY_WEBTOOLS:-$HOME/.cache/pennantry/webtools}"
if [ ! -f "$webtools/node_modules/vnu-jar/build/dist/vnu.jar" ] ||
    [ ! -f "$webtools/node_modules/axe-core/axe.min.js" ]; then
    echo "Installing the web checkers into $webtools"
    mkdir -p "$webtools"
    npm install --prefix "$webtools" --no-audit --no-fund --no-save vnu-jar@26.9.27 \
        axe-core@4.14.1 >/dev/null ||
        echo "deps.sh: the web checkers could not be installed; the web tests will skip them" >&2
fi
