#!/bin/sh
# Installs the Debian packages the build needs, only those that are missing; packages
# named as arguments (those of `make bench`, say) are wanted as well.
# Runs unattended: as root directly, otherwise through a sudo that needs no password;
# with neither it says what to run instead and fails.
set -eu

packages="cmake make g++ libgtest-dev libgmock-dev libcli11-dev nlohmann-json3-dev
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev libxkbcommon-dev poppler-utils xvfb x11-utils xdotool xclip fonts-liberation2
    desktop-file-utils shared-mime-info libglib2.0-bin clang-format-14 libsqlite3-dev sqlite3 $*"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=""
elif command -v sudo >/dev/null 2>&1 && sudo -n true </dev/null >/dev/null 2>&1; then
    sudo="sudo -n"
else
    echo "install-deps: run as root: apt-get update && apt-get install -y$missing" >&2
    exit 1
fi
echo "Installing:$missing"
# Through env, as sudo would drop an exported DEBIAN_FRONTEND.
apt="$sudo env DEBIAN_FRONTEND=noninteractive apt-get"
$apt update -q </dev/null
# shellcheck disable=SC2086
$apt install -y -q --no-install-recommends $missing </dev/null
