#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks what the desktop reads of it: the
# .desktop entry, the file types, the icon and the programs.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" > /dev/null
desktop-file-validate "$prefix/share/applications/gridtally.desktop"
# The file types must be valid shared-mime-info; building a database from them checks it.
if ! output=$(update-mime-database "$prefix/share/mime" 2>&1) ||
   ! grep -q 'application/x-turfa-game-log' "$prefix/share/mime/types"; then
    echo "$output"
    exit 1
fi
grep -q 'application/x-turfa-play-db' "$prefix/share/mime/types"
for file in bin/gridtally bin/gridtally-cli share/icons/hicolor/scalable/apps/gridtally.svg; do
    [ -e "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
"$prefix/bin/gridtally-cli" --version
echo "installed and valid: $(cd "$prefix" && find . -type f | grep -v '^./share/mime/[^p]' | sort | tr '\n' ' ')"
