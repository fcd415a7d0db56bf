#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing. Safe to run again.
set -euo pipefail

# poppler-utils: pdftotext reads back the printed PDFs in the print tests; chromium renders the
# published website in its test, npm installs the website's checkers (axe-core, run in chromium,
# and the Nu HTML checker, run with Java).
packages=(cmake make g++ clang qt6-base-dev qt6-base-dev-tools libgl-dev desktop-file-utils
          poppler-utils chromium)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Node and Java may come from elsewhere than Debian: only a missing command asks for the package.
command -v npm >/dev/null || missing+=(npm)
command -v java >/dev/null || missing+=(default-jre-headless)
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

# The website's checkers, where tests/cli/publish.sh looks for them. The test skips them, saying
# so, when they are missing, so a machine without the registry can still build and test.
checkers=${PNY_WEB_CHECKERS:-$HOME/.cache/pennantry/webcheck}
if command -v npm >/dev/null && { [ ! -f "$checkers/node_modules/axe-core/axe.min.js" ] ||
    [ ! -f "$checkers/node_modules/vnu-jar/build/dist/vnu.jar" ]; }; then
    mkdir -p "$checkers"
    npm install --prefix "$checkers" --no-audit --no-fund --loglevel=error axe-core vnu-jar \
        || echo "deps.sh: could not install axe-core and vnu-jar; the website test will skip them"
fi
