#!/bin/sh
# Fails, naming the files, when clang-format would change a C++ file of the project:
# the tree keeps the one style of .clang-format.
set -u
top=${1:-$(dirname "$0")/..}
cd "$top" || exit 2
format=$(command -v clang-format-14 || command -v clang-format) || {
    echo "clang-format-14 is not installed"; exit 1; }
files=$(find core gui cli tests bench fuzz -name '*.cpp' -o -name '*.h' | sort)
# One run over every file (one process per file took half a minute); each change it
# would make is a line naming its file.
# shellcheck disable=SC2086
said=$("$format" --dry-run --Werror $files 2>&1 >/dev/null)
status=$?
bad=$(printf '%s\n' "$said" | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: .*/\1/p' | sort -u)
if [ "$status" -ne 0 ] && [ -z "$bad" ]; then
    echo "$format failed: $said"
    exit 1
fi
if [ -n "$bad" ]; then
    echo "clang-format would change these files (run: $format -i FILE):"
    for f in $bad; do echo "    $f"; done
    exit 1
fi
echo "every C++ file is formatted ($(echo "$files" | wc -l) files)"
