#!/usr/bin/env bash
# Fails when a core folder includes a folder that comes after it on the road a log
# takes. Each folder may include only itself and the folders before it, so the
# folders can never include each other in a cycle.
set -u
core=${1:-$(dirname "$0")/../core}
layers=(text model playcalls parsers game lists reports playdb)

status=0
present=$(cd "$core" && ls -d */ | tr -d /)
for folder in $present; do
    if [[ " ${layers[*]} " != *" $folder "* ]]; then
        echo "core/$folder: not in the layer order of $0"
        status=1
    fi
done
for ((i = 0; i < ${#layers[@]}; i++)); do
    folder=${layers[i]}
    [ -d "$core/$folder" ] || continue
    for ((j = i + 1; j < ${#layers[@]}; j++)); do
        later=${layers[j]}
        hits=$(grep -rn -E "^#include \"core/$later/" "$core/$folder" 2>/dev/null)
        if [ -n "$hits" ]; then
            echo "core/$folder must not include core/$later (it comes later):"
            echo "$hits" | sed "s#^$core/#    core/#"
            status=1
        fi
    done
done
[ $status -eq 0 ] && echo "core layers: ${layers[*]} (each includes only those before it)"
exit $status
