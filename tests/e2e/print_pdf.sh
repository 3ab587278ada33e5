#!/bin/sh
# Prints a month of a generated sample folder to PDF with the built program,
# with no display at all, and checks the file and the failures.
# Usage: print_pdf.sh CASE CALENDAR MAKE_SAMPLE
#   CASE: print_month | bad_arguments | missing_month | month_not_a_file |
#         school_year | print_png | import_ics

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

# The program as a user runs it from a terminal without any display, nor a
# runtime folder (cron, a service account).
run() {
    (cd "$work" && env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR "$calendar" "$@" \
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
    [ -s "$work/stderr" ] && fail "a month that prints cleanly wrote to standard error: $(cat "$work/stderr")"
    info=$(pdfinfo "$work/out.pdf") || fail "not a PDF"
    echo "$info" | grep -Eq '^Pages: +1$' || fail "not one page: $info"
    echo "$info" | grep -Eq '^Page size: +1190\.[0-9]+ x 841\.[0-9]+ pts|^Page size: +1191 x 842 pts' ||
        fail "not A3 landscape: $info"
    text=$(pdftotext "$work/out.pdf" -) || fail "pdftotext failed"
    for word in "2024ねん6がつ" "さくら保育園" "にちようび" "身体測定"; do
        echo "$text" | grep -q "$word" || fail "\"$word\" is not on the page"
    done
    ls "$work" | grep -q '^out\.pdf\.' && fail "a temporary file was left beside the PDF"
    # Under a file-size limit the write fails and is told; nothing is killed
    # and nothing half-written is left.
    rm "$work/out.pdf"
    (ulimit -f 8 && run --month 2024-06 --print-pdf "$work/out.pdf" "$work/sample" && exit "$status")
    status=$?
    [ "$status" -ne 0 ] && [ "$status" -lt 128 ] || fail "under a file-size limit: status $status"
    grep -q "ERR=" "$work/stderr" || fail "the failed write is not told: $(cat "$work/stderr")"
    ls "$work" | grep -q '^out\.pdf' && fail "a PDF or a temporary file was left under the limit"
    ;;
bad_arguments)
    run --bogus "$work/sample"
    expect_status 2 "an unknown option"
    run --month 2024-6 --print-pdf "$work/out.pdf" "$work/sample"
    expect_status 2 "a malformed month"
    run --month 2024-06 --print-pdf "$work/missing/out.pdf" "$work/sample"
    expect_status 2 "a PDF in a missing folder"
    run --month 2024-06 --paper A5 --print-pdf "$work/out.pdf" "$work/sample"
    expect_status 2 "a paper the program does not know"
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
school_year)
    # School year 2024 without its July: eleven pages in order, July named,
    # each picture file embedded once in the whole document.
    rm "$work/sample/Calendar_dat/Calendar202407.dat"
    run --school-year 2024 --print-pdf "$work/year.pdf" "$work/sample"
    expect_status 0 "printing school year 2024"
    grep -q "2024年7月" "$work/stderr" || fail "the missing month is not named: $(cat "$work/stderr")"
    pdfinfo "$work/year.pdf" | grep -Eq '^Pages: +11$' || fail "not eleven pages: $(pdfinfo "$work/year.pdf")"
    page=1
    for month in 2024ねん4がつ 2024ねん5がつ 2024ねん6がつ 2024ねん8がつ 2024ねん9がつ 2024ねん10がつ 2024ねん11がつ \
                 2024ねん12がつ 2025ねん1がつ 2025ねん2がつ 2025ねん3がつ; do
        pdftotext -f $page -l $page "$work/year.pdf" - | grep -q "$month" || fail "page $page is not $month"
        page=$((page + 1))
    done
    if command -v pdfimages >/dev/null 2>&1; then
        images=$(pdfimages -list "$work/year.pdf" | tail -n +3 | awk '{print $11}' | sort -u | wc -l)
        files=$(ls "$work/sample/Calendar_pic" | wc -l)
        [ "$images" -le "$files" ] || fail "$images image objects for $files picture files"
    fi
    run --school-year 2030 --print-pdf "$work/none.pdf" "$work/sample"
    expect_status 2 "a school year without data"
    [ -e "$work/none.pdf" ] && fail "a PDF was written for a school year without data"
    ;;
writes_nothing)
    # Printing from the command line writes its output and nothing else.
    snapshot() { (cd "$work/sample" && find . -exec ls -ld --time-style=+%s.%N {} + | sort && find . -type f -exec md5sum {} + | sort); }
    before=$(snapshot)
    run --month 2024-06 --print-pdf "$work/out.pdf" "$work/sample"
    expect_status 0 "printing June 2024"
    run --school-year 2024 --print-pdf "$work/year.pdf" "$work/sample"
    expect_status 0 "printing school year 2024"
    run --month 2024-06 --print-png "$work/out.png" "$work/sample"
    expect_status 0 "printing June 2024 as a picture"
    [ "$(snapshot)" = "$before" ] || fail "printing changed the data folder"
    # No year settings: said so, with no page and nothing copied in.
    rm "$work/out.pdf" "$work/sample/master/Calendar2024設定.dat"
    before=$(snapshot)
    run --month 2024-06 --print-pdf "$work/out.pdf" "$work/sample"
    [ "$status" -ne 0 ] || fail "a month without its year settings printed with status 0"
    grep -q "Calendar2024設定.dat" "$work/stderr" || fail "the missing year file is not named: $(cat "$work/stderr")"
    [ -e "$work/out.pdf" ] && fail "a PDF was written without the year settings"
    [ "$(snapshot)" = "$before" ] || fail "printing without year settings changed the data folder"
    # An empty month file: said so, and no empty page.
    "$make_sample" --today 2024-06-10 "$work/again" >/dev/null || fail "make_sample failed"
    : >"$work/again/Calendar_dat/Calendar202406.dat"
    run --month 2024-06 --print-pdf "$work/out.pdf" "$work/again"
    [ "$status" -ne 0 ] || fail "an empty month file printed with status 0"
    grep -q "空です" "$work/stderr" || fail "the empty month file is not told: $(cat "$work/stderr")"
    [ -e "$work/out.pdf" ] && fail "an empty page was printed"
    ;;
undrawn_pictures)
    # A picture cut short of its rows and one the library lacks are named,
    # the page is still printed, and the status says something is wrong.
    head -c 5000 "$work/sample/Calendar_pic/sun.bmp" >"$work/cut.bmp"
    mv "$work/cut.bmp" "$work/sample/Calendar_pic/sun.bmp"
    rm "$work/sample/Calendar_pic/frame1.bmp"
    run --month 2024-06 --print-pdf "$work/out.pdf" "$work/sample"
    [ "$status" -ne 0 ] || fail "undrawn pictures printed with status 0"
    grep -q "壊れているか読めない形式" "$work/stderr" && grep -q "sun.bmp" "$work/stderr" ||
        fail "the damaged picture is not named: $(cat "$work/stderr")"
    grep -q "見つからない" "$work/stderr" && grep -q "frame1.bmp" "$work/stderr" ||
        fail "the missing picture is not named: $(cat "$work/stderr")"
    pdfinfo "$work/out.pdf" >/dev/null || fail "the page was not printed"
    ;;
print_png)
    run --month 2024-06 --print-png "$work/june.png" "$work/sample"
    expect_status 0 "printing June 2024 as a picture"
    head -c 8 "$work/june.png" | od -An -c | grep -q "P   N   G" || fail "not a PNG file"
    if command -v identify >/dev/null 2>&1; then
        identify "$work/june.png" | grep -Eq ' 248[01]x1754 ' || fail "not A3 landscape at 150 dpi: $(identify "$work/june.png")"
        run --month 2024-06 --paper A4 --print-png "$work/a4.png" "$work/sample"
        identify "$work/a4.png" | grep -Eq ' 175[34]x124[01] ' || fail "not A4 landscape at 150 dpi: $(identify "$work/a4.png")"
    fi
    run --month 2024-06 --export-ics "$work/june.ics" "$work/sample"
    expect_status 0 "exporting June 2024"
    grep -q "^BEGIN:VEVENT" "$work/june.ics" && grep -q "^X-WR-CALNAME:" "$work/june.ics" ||
        fail "not an iCalendar file with events: $(head -c 300 "$work/june.ics")"
    ;;
import_ics)
    month="$work/sample/Calendar_dat/Calendar202406.dat"
    printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//e2e//JP\r\nBEGIN:VEVENT\r\nUID:1\r\nDTSTART:20240620T010000Z\r\nSUMMARY:えんそく\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' >"$work/shared.ics"
    printf 'not a calendar\n' >"$work/bad.ics"
    cp "$month" "$work/before.dat"
    run --month 2024-06 --import-ics "$work/bad.ics" "$work/sample"
    expect_status 1 "a file that is no iCalendar"
    cmp -s "$month" "$work/before.dat" || fail "a file that could not be read changed the month"
    run --import-ics "$work/shared.ics" "$work/sample"
    expect_status 2 "--import-ics without --month"
    run --month 2024-06 --import-ics "$work/shared.ics" "$work/sample"
    expect_status 0 "importing June 2024"
    run --month 2024-06 --print-pdf "$work/out.pdf" "$work/sample"
    expect_status 0 "printing the imported month"
    pdftotext "$work/out.pdf" - | grep -q "10:00 えんそく" || fail "the imported event is not on the page"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
exit 0
