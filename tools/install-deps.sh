#!/bin/sh
# Installs the Debian packages the build needs, only those that are missing.
# Runs unattended: as root directly, otherwise through sudo.
set -eu

packages="cmake make g++ libgtest-dev libgmock-dev libcli11-dev nlohmann-json3-dev
    qt6-base-dev qt6-charts-dev poppler-utils xvfb fonts-liberation2"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=""
else
    sudo="sudo"
fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q </dev/null
# shellcheck disable=SC2086
$sudo apt-get install -y -q --no-install-recommends $missing </dev/null
