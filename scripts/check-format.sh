#!/usr/bin/env bash
# Fails when a C++ source of the project is not formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
    mapfile -t files < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
# Only what is there: a file deleted but not yet committed has nothing to check.
present=()
for file in "${files[@]}"; do
    [ -f "$file" ] && present+=("$file")
done
files=("${present[@]}")
clang-format --dry-run --Werror "${files[@]}"
echo "Formatting: ${#files[@]} files as .clang-format says."
