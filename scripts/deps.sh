#!/bin/sh
# Installs the Debian 12 packages the build, the program and the tests need (as root, or through sudo).
set -e
PACKAGES="build-essential cmake ninja-build pkg-config qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql \
  postgresql libquazip1-qt6-dev libkainjow-mustache-dev libzint-dev libqrencode-dev libsqlite3-dev \
  qt6-translations-l10n xvfb xauth poppler-utils sqlite3"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" = 0 ] || SUDO="sudo"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
