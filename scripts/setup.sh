#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Belegwerk need.
# Skips apt entirely when everything is present already. Extra package names
# given as arguments are installed too (scripts/package.sh adds its tools).
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6opengl6-dev libgl-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  libquazip1-qt6-dev zlib1g-dev
  poppler-utils libreoffice-calc-nogui python3-openpyxl
  xvfb xauth fonts-dejavu-core
  fonts-noto-cjk fonts-symbola
  cups cups-client printer-driver-cups-pdf
  qt6-charts-dev qtkeychain-qt6-dev qt6-pdf-dev
  postgresql libqt6sql6-psql openssl
  libqpdf-dev qpdf libxml2-utils libsaxonhe-java default-jre-headless python3-pikepdf
  libsqlite3-dev libssl-dev
  "$@"
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
