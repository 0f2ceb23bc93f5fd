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

# What the desktop types files as, with the install prefix first and last among the
# data folders: our logs and DBs are ours, other programs' *.log and *.pdb stay theirs.
files=$(mktemp -d)
trap 'rm -rf "$prefix" "$files"' EXIT
top=$(cd "$(dirname "$0")/.." && pwd)
cp "$top/examples/riverside-at-hillcrest.log" "$files/game.log"
printf 'Dec  9 12:00:01 host service[1]: started\n' > "$files/service.log"
"$prefix/bin/gridtally-cli" db add "$files/season.pdb" "$files/game.log" > /dev/null
printf 'HEADER    PLANT PROTEIN                           09-DEC-26   1ABC\nATOM      1  N   ALA A   1      11.104   6.134  -6.504  1.00  0.00           N\n' > "$files/protein.pdb"
expect() {  # FILE TYPE [not]
    got=$(XDG_DATA_HOME="$files/home" XDG_DATA_DIRS="$order" gio info -a standard::content-type "$files/$1" |
          sed -n 's/^ *standard::content-type: //p')
    if { [ "${3:-}" = not ] && [ "$got" = "$2" ]; } || { [ "${3:-}" != not ] && [ "$got" != "$2" ]; }; then
        echo "with XDG_DATA_DIRS=$order, $1 is typed $got"
        exit 1
    fi
    echo "$1: $got"
}
for order in "$prefix/share:/usr/local/share:/usr/share" "/usr/local/share:/usr/share:$prefix/share"; do
    expect game.log application/x-turfa-game-log
    expect service.log application/x-turfa-game-log not
    expect season.pdb application/x-turfa-play-db
    expect protein.pdb application/x-turfa-play-db not
done
echo "installed and valid: $(cd "$prefix" && find . -type f | grep -v '^./share/mime/[^p]' | sort | tr '\n' ' ')"
