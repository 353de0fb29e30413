#!/usr/bin/env bash
# Fails when a file of the core, the window or a front end includes a folder
# above its own. The folders are layers, listed with the folders each builds on
# in cmake/layers.txt, which CMakeLists.txt links the libraries by: a file may
# include its own folder and every folder beneath it. The model knows nothing of
# the analysis, the analysis nothing of its check, the check nothing of how the
# page draws it, and no core folder anything of the window. A folder that is not
# listed there is a new layer that must be placed first.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A below=()
while IFS=: read -r folder under; do
    [[ $folder =~ ^[a-z]+$ ]] && below[$folder]=$under
done <cmake/layers.txt

# The folder and every folder beneath it, each once.
beneath() {
    local found=" $1 " next
    for next in ${below[$1]}; do
        for next in $(beneath "$next"); do
            [[ $found == *" $next "* ]] || found+="$next "
        done
    done
    echo "$found"
}

declare -A allowed=()
for folder in "${!below[@]}"; do
    allowed[$folder]=$(beneath "$folder")
done

faults=0
for folder in "${!allowed[@]}"; do
    [ -d "$folder" ] || continue
    while IFS= read -r hit; do
        file=${hit%%:*}
        rest=${hit#*:}
        line=${rest%%:*}
        included=$(sed -E 's/^[^"]*"([^"/]+)\/.*$/\1/' <<<"${rest#*:}")
        if [[ " ${allowed[$folder]} " != *" $included "* ]]; then
            echo "$file:$line includes $included/, a layer above $folder/" >&2
            faults=$((faults + 1))
        fi
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]+/' \
        "$folder"/*.h "$folder"/*.cpp 2>/dev/null || true)
done
for folder in */; do
    folder=${folder%/}
    if ls "$folder"/*.cpp >/dev/null 2>&1 && [ -z "${allowed[$folder]+x}" ] &&
        [[ ! " tests bench fuzz " == *" $folder "* ]]; then
        echo "$folder/ is not placed among the layers (cmake/layers.txt)" >&2
        faults=$((faults + 1))
    fi
done
if [ "$faults" -gt 0 ]; then
    echo "$faults include(s) against the layers" >&2
    exit 1
fi
echo "layers: every include points down"
