#!/bin/sh
# Fails, naming the files, when clang-format would change a C++ file of the project:
# the tree keeps the one style of .clang-format.
set -u
top=${1:-$(dirname "$0")/..}
cd "$top" || exit 2
format=$(command -v clang-format-14 || command -v clang-format) || {
    echo "clang-format-14 is not installed"; exit 1; }
files=$(find core gui cli tests bench fuzz -name '*.cpp' -o -name '*.h' | sort)
bad=""
for f in $files; do
    "$format" --dry-run --Werror "$f" >/dev/null 2>&1 || bad="$bad $f"
done
if [ -n "$bad" ]; then
    echo "clang-format would change these files (run: $format -i FILE):"
    for f in $bad; do echo "    $f"; done
    exit 1
fi
echo "every C++ file is formatted ($(echo "$files" | wc -l) files)"
