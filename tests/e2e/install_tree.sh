#!/bin/sh
# install_tree.sh BUILD_DIR UNINSTALL_SCRIPT
# Installs the build into a temporary prefix: the program, a menu entry that
# validates and names the installed program, and the icons; then removes
# them again with the uninstall script. The build's own install manifest is
# kept as it was.
set -eu
build=$1
uninstall=$2
prefix=$(mktemp -d "${TMPDIR:-/tmp}/calendar-install.XXXXXX")
manifest="$build/install_manifest.txt"
saved=""
if [ -f "$manifest" ]; then
  saved="$prefix.manifest"
  cp "$manifest" "$saved"
fi
cleanup() {
  rm -rf "$prefix"
  if [ -n "$saved" ]; then mv "$saved" "$manifest"; else rm -f "$manifest"; fi
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

program="$prefix/bin/sproutworks-calendar"
[ -x "$program" ] || fail "no program at $program"

entry="$prefix/share/applications/sproutworks-calendar.desktop"
[ -f "$entry" ] || fail "no menu entry at $entry"
desktop-file-validate "$entry" || fail "the menu entry does not validate"
grep -qx "Name=カレンダー作成" "$entry" || fail "the entry is not named カレンダー作成"
grep -qx "Exec=\"$program\"" "$entry" || fail "the entry does not start $program"
grep -q "^Comment=.*カレンダー" "$entry" || fail "the entry has no Japanese comment"

for size in 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/sproutworks-calendar.png"
  [ -f "$icon" ] || fail "no ${size}px icon"
  # The PNG signature, then IHDR's width and height.
  head -c 8 "$icon" | od -An -tx1 | tr -d ' \n' | grep -qx 89504e470d0a1a0a || fail "$icon is no PNG"
  dims=$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ' | sed 's/^ //')
  expected="0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))"
  [ "$dims" = "$expected" ] || fail "$icon is not ${size}x${size} ($dims)"
done

cmake -DMANIFEST="$manifest" -P "$uninstall" >/dev/null
left=$(find "$prefix" -type f | wc -l)
[ "$left" -eq 0 ] || fail "$left files left after uninstalling"
echo "installed and removed under $prefix"
