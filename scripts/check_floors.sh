#!/usr/bin/env bash
# Fails when a source file includes from a floor above its own. Floors, from
# the bottom: model (tools date data layout) and pdf, ui, state, view, print,
# windows, app; qt and ical stand beside the core and may include any of it but app;
# main.cpp may include everything. A window's names header
# (windows/*/*_controls.h) stands with ui: every floor names its controls.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../src"

floor_of() {
  case "$1" in
    tools/* | date/* | data/* | layout/* | pdf/*) echo 1 ;;
    ui/* | windows/*/*_controls.h) echo 2 ;;
    state/*) echo 3 ;;
    view/*) echo 4 ;;
    print/*) echo 5 ;;
    windows/*) echo 6 ;;
    app/*) echo 7 ;;
    qt/* | ical/*) echo 6.5 ;;
    main.cpp) echo 9 ;;
    *) echo 0 ;;
  esac
}

bad=0
while IFS= read -r file; do
  own="$(floor_of "$file")"
  while IFS= read -r included; do
    [[ -z "$included" ]] && continue
    theirs="$(floor_of "$included")"
    [[ "$theirs" == 0 ]] && continue
    if [[ "$file" != qt/* && "$included" == qt/* && "$file" != main.cpp ]] ||
       [[ "$file" != ical/* && "$included" == ical/* && "$file" != main.cpp ]] ||
       awk -v a="$theirs" -v b="$own" 'BEGIN { exit !(a > b) }'; then
      echo "上の階を見ています: $file → $included" >&2
      bad=1
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort)
exit "$bad"
