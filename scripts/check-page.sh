#!/usr/bin/env bash
# Checks one frame page: tidy must find no error in it (its warnings are
# printed), and chromium, headless, must render it to OUTDIR/NAME.pdf (A4, as
# the page's print style sets it) and OUTDIR/NAME.png (1240 × 1754, the shape
# of an A4 page), each file non-empty.
#
#   scripts/check-page.sh PAGE.html OUTDIR
#
# Nothing is fetched: chromium runs with a fresh, throwaway profile and its
# background networking, updates and sync off.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 PAGE.html OUTDIR" >&2
    exit 2
fi
page=$(realpath "$1")
out=$2
mkdir -p "$out"
out=$(realpath "$out")
name=$(basename "$page" .html)

for tool in tidy chromium; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is missing: run scripts/install-deps.sh as root." >&2
        exit 1
    fi
done

# tidy: exit 0 clean, 1 warnings only, 2 errors.
status=0
tidy -q -e --doctype html5 "$page" || status=$?
if [ "$status" -ge 2 ]; then
    echo "tidy found errors in $page." >&2
    exit 1
fi
[ "$status" -eq 1 ] && echo "tidy: warnings only (listed above)."

profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
render() {
    # D-Bus and GPU complaints on stderr are noise on a machine without a session;
    # they are kept in a log beside the output and shown only on a failure.
    local log="$out/$name.chromium.log"
    if ! chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$profile" "$@" "file://$page" >"$log" 2>&1; then
        cat "$log" >&2
        echo "chromium failed: $*" >&2
        exit 1
    fi
}
rm -f "$out/$name.pdf" "$out/$name.png"
render --print-to-pdf="$out/$name.pdf" --no-pdf-header-footer
render --screenshot="$out/$name.png" --window-size=1240,1754 --hide-scrollbars
for file in "$out/$name.pdf" "$out/$name.png"; do
    if [ ! -s "$file" ]; then
        echo "chromium wrote nothing to $file." >&2
        exit 1
    fi
done
rm -f "$out/$name.chromium.log"
echo "Page $page: tidy clean of errors; $out/$name.pdf and $out/$name.png rendered."
