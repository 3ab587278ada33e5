#!/usr/bin/env bash
# Makes the seeds of the fuzz targets from the sample generator's folder.
# Usage: fuzz/make_corpus.sh MAKE_SAMPLE   (for example build/sample/make_sample)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
make_sample=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$make_sample" --today 2024-06-10 "$work/s" >/dev/null
s="$work/s"

rm -rf corpus/{month_file,year_settings,display_settings,sjis_field,bmp_load,picture_reduce}
mkdir -p corpus/{month_file,year_settings,display_settings,sjis_field,bmp_load,picture_reduce}

cp "$s/Calendar_dat/Calendar202406.dat" corpus/month_file/june
cp "$s/Calendar_dat/Calendar202404.dat" corpus/month_file/april
head -c 3000 "$s/Calendar_dat/Calendar202406.dat" >corpus/month_file/short

cp "$s/master/Calendar2024設定.dat" corpus/year_settings/year2024
cp "$s/master/CalendarDef0設定.dat" corpus/year_settings/default

cp "$s/master/CalendarH.dat" corpus/display_settings/sample
printf '7\r\n5\r\n70.5\r\n38\r\n13\r\n0\r\n' >corpus/display_settings/crlf_decimal

# Field texts of the sample month: a width byte, then the field's bytes.
n=0
for offset in 28080 28120 27526 44576 63688; do
  { printf '\x28'; dd if="$s/Calendar_dat/Calendar202406.dat" bs=1 skip="$offset" count=40 status=none; } \
    >"corpus/sjis_field/field$n"
  n=$((n + 1))
done
printf '\x1e%s' 'さくら保育園' >corpus/sjis_field/typed

cp "$s/Calendar_pic/heart.bmp" corpus/bmp_load/heart
cp "$s/Calendar_pic/chick.bmp" corpus/bmp_load/chick
{ printf '\x40\x00\x30\x00'; cat "$s/Calendar_pic/heart.bmp"; } >corpus/picture_reduce/heart_64x48
{ printf '\xf4\x01\x90\x01'; cat "$s/Calendar_pic/star.bmp"; } >corpus/picture_reduce/star_500x400

# The iCalendar and monthly items seeds are written by hand and kept as they are.
