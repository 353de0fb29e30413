#!/usr/bin/env bash
# Fails when a file of the core, the window or a front end includes a folder
# above its own. The core's folders are layers, each allowed to include only
# itself and those listed beside it: the model knows nothing of the analysis,
# the analysis nothing of its check, the check nothing of how the page draws
# it, and no core folder anything of the window. A folder that is not listed
# here is a new layer that must be placed first.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
    [model]="model"
    [analysis]="model analysis"
    [check]="model analysis check"
    [markup]="model markup"
    [drawing]="model analysis check markup drawing"
    [page]="model analysis check markup drawing page"
    [report]="model report"
    [calculate]="model analysis check markup drawing page report calculate"
    [ui]="model analysis check markup drawing page report calculate ui"
)

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
        echo "$folder/ is not placed among the layers (scripts/check-layers.sh)" >&2
        faults=$((faults + 1))
    fi
done
if [ "$faults" -gt 0 ]; then
    echo "$faults include(s) against the layers" >&2
    exit 1
fi
echo "layers: every include points down"
