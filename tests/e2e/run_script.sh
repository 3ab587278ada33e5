#!/bin/sh
# ./run passes every argument to the program, which alone decides whether
# it needs a display: each command-line mode the README names works through
# ./run without one, and the windows say themselves that they cannot open.
# Usage: run_script.sh REPO BUILD_DIR
# ./run builds and uses REPO/build; in any other build folder this skips.

set -u
repo=$1
build=$2
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ "$(cd "$build" && pwd -P)" = "$(cd "$repo/build" 2>/dev/null && pwd -P)" ] ||
    { echo "SKIP: ./run uses $repo/build, not $build"; exit 77; }
command -v pdfinfo >/dev/null 2>&1 || { echo "SKIP: pdfinfo is not installed"; exit 77; }

work=$(mktemp -d) || fail "no temporary folder"
trap 'rm -rf "$work"' EXIT
"$build/sample/make_sample" --today 2024-06-10 "$work/data" >/dev/null || fail "make_sample failed"

through_run() {
    (cd "$work" && env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$repo/run" "$@" \
        >"$work/stdout" 2>"$work/stderr")
    status=$?
}

# The output's content is print_pdf.sh's to check: here it is written.
prints() {
    output=$1
    shift
    through_run --month 2024-06 "$@" "$output" "$work/data"
    [ "$status" -eq 0 ] && [ -s "$work/$output" ] || fail "$*: status $status: $(cat "$work/stderr")"
}
prints june.pdf --print-pdf
prints year.pdf --school-year 2024 --print-pdf
prints june.png --print-png

# The windows need a display: the program says so, not the script.
through_run --month 2024-06 "$work/data"
[ "$status" -eq 1 ] || fail "the windows without a display: status $status"
grep -q "^calendar: 画面（ディスプレイ）がありません" "$work/stderr" ||
    fail "the program did not say it needs a display: $(cat "$work/stderr")"
exit 0
