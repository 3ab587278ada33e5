#!/bin/sh
# Prints a month of a generated sample folder to PDF with the built program,
# with no display at all, and checks the file and the failures.
# Usage: print_pdf.sh CASE CALENDAR MAKE_SAMPLE
#   CASE: print_month | bad_arguments | missing_month | month_not_a_file

set -u
case_name=$1
absolute() { (cd "$(dirname "$1")" 2>/dev/null && echo "$(pwd)/$(basename "$1")") || echo "$1"; }
calendar=$(absolute "$2")
make_sample=$(absolute "$3")

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in pdfinfo pdftotext; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -x "$calendar" ] || fail "the program is not built: $calendar"
[ -x "$make_sample" ] || fail "the sample generator is not built (target make_sample): $make_sample"

work=$(mktemp -d) || fail "no temporary folder"
trap 'rm -rf "$work"' EXIT
"$make_sample" --today 2024-06-10 "$work/sample" >/dev/null || fail "make_sample failed"

# The program as a user runs it from a terminal without any display.
run() {
    (cd "$work" && env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$calendar" "$@" \
        >"$work/stdout" 2>"$work/stderr")
    status=$?
}

expect_status() {
    [ "$status" -eq "$1" ] || fail "$2: status $status, expected $1; stderr: $(cat "$work/stderr")"
}

case "$case_name" in
print_month)
    run --month 2024-06 --print-pdf "$work/out.pdf" "$work/sample"
    expect_status 0 "printing June 2024"
    grep -q "out.pdf" "$work/stdout" || fail "no line saying where the PDF is: $(cat "$work/stdout")"
    info=$(pdfinfo "$work/out.pdf") || fail "not a PDF"
    echo "$info" | grep -Eq '^Pages: +1$' || fail "not one page: $info"
    echo "$info" | grep -Eq '^Page size: +1190\.[0-9]+ x 841\.[0-9]+ pts|^Page size: +1191 x 842 pts' ||
        fail "not A3 landscape: $info"
    text=$(pdftotext "$work/out.pdf" -) || fail "pdftotext failed"
    for word in "2024ねん6がつ" "さくら保育園" "にちようび" "身体測定"; do
        echo "$text" | grep -q "$word" || fail "\"$word\" is not on the page"
    done
    ls "$work" | grep -q '^out\.pdf\.' && fail "a temporary file was left beside the PDF"
    ;;
bad_arguments)
    run --bogus "$work/sample"
    expect_status 2 "an unknown option"
    run --month 2024-6 --print-pdf "$work/out.pdf" "$work/sample"
    expect_status 2 "a malformed month"
    run --month 2024-06 --print-pdf "$work/missing/out.pdf" "$work/sample"
    expect_status 2 "a PDF in a missing folder"
    [ -e "$work/out.pdf" ] && fail "a PDF was written despite the errors"
    ;;
missing_month)
    run --month 2030-01 --print-pdf "$work/out.pdf" "$work/sample"
    [ "$status" -ne 0 ] || fail "a month without its file printed"
    grep -q "Calendar203001.dat" "$work/stderr" || fail "the message names no file: $(cat "$work/stderr")"
    [ -e "$work/out.pdf" ] && fail "a PDF was written for a month without data"
    ;;
month_not_a_file)
    # A folder where June's file should be: said so, and no page.
    rm "$work/sample/Calendar_dat/Calendar202406.dat"
    mkdir "$work/sample/Calendar_dat/Calendar202406.dat"
    run --month 2024-06 --print-pdf "$work/out.pdf" "$work/sample"
    [ "$status" -ne 0 ] || fail "a folder in the month file's place printed with status 0"
    grep -q "フォルダ" "$work/stderr" || fail "the message does not say it is a folder: $(cat "$work/stderr")"
    grep -q "空データの作成" "$work/stderr" && fail "empty data was offered for a folder"
    [ -e "$work/out.pdf" ] && fail "a PDF was written for a month that could not be read"
    # Settings out of range are reported, and the page is still printed.
    rmdir "$work/sample/Calendar_dat/Calendar202406.dat"
    "$make_sample" --today 2024-06-10 "$work/again" >/dev/null || fail "make_sample failed"
    printf '7\n5\n400000000\n-38\n' >"$work/again/master/CalendarH.dat"
    run --month 2024-06 --print-pdf "$work/out.pdf" "$work/again"
    expect_status 0 "printing with settings out of range"
    grep -q "１日の枠幅㎜" "$work/stderr" || fail "the bad box width was not reported: $(cat "$work/stderr")"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
exit 0
