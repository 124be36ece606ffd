#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program as a desktop gets it, from the finished build:
#     desktop-test.sh install CMAKE BUILD_DIR   installs under a fresh prefix and checks
#         the program, its desktop entry, its icons and the MIME types of its files;
#     desktop-test.sh package CPACK BUILD_DIR   makes the .deb and checks its contents.
set -euo pipefail
mode=$1
tool=$2
build=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

check_install() {
  prefix="$work/some where/usr"
  "$tool" --install "$build" --prefix "$prefix" >/dev/null
  share="$prefix/share"

  [ -x "$prefix/bin/trellis" ] || fail "no program in bin"
  entry="$share/applications/trellis.desktop"
  [ -f "$entry" ] || fail "no desktop entry"
  desktop-file-validate "$entry" || fail "desktop-file-validate refuses the entry"
  grep -qx 'Exec=trellis %f' "$entry" || fail "the entry does not start the program with the file"
  grep -qx 'Icon=trellis' "$entry" || fail "the entry does not name the icon"

  # PNG files of the theme's sizes: the signature, then the header's width and height.
  for size in 16 24 32 48 64 128 256; do
    png="$share/icons/hicolor/${size}x${size}/apps/trellis.png"
    [ -f "$png" ] || fail "no ${size}x${size} icon"
    [ "$(od -An -tx1 -N8 "$png" | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is not a PNG file"
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4, $7*256+$8}')
    [ "$dims" = "$size $size" ] || fail "$png is $dims, not $size x $size"
  done

  # The shared MIME database takes the package: puzzles by name and by content.
  mime="$share/mime"
  [ -f "$mime/packages/trellis.xml" ] || fail "no MIME package"
  XDG_DATA_DIRS="$share" update-mime-database "$mime" 2>"$work/mime.log" || fail "update-mime-database: $(cat "$work/mime.log")"
  [ ! -s "$work/mime.log" ] || fail "update-mime-database complains: $(cat "$work/mime.log")"
  grep -q '^50:application/x-crossword:\*\.puz$' "$mime/globs2" || fail "*.puz is not application/x-crossword"
  grep -q ':application/x-trellis-solution:\*\.sol$' "$mime/globs2" || fail "*.sol has no type"
  for pair in application/x-ipuz:ipuz application/x-jpz:jpz text/x-xd-crossword:xd; do
    grep -q ":${pair%%:*}:\*\.${pair#*:}\$" "$mime/globs2" || fail "*.${pair#*:} is not ${pair%%:*}"
  done
  grep -q 'ACROSS&DOWN' "$mime/application/x-crossword.xml" 2>/dev/null ||
    grep -aq 'ACROSS&DOWN' "$mime/magic" || fail "puzzles are not known by their content"
  grep -aq 'http://ipuz.org/' "$mime/magic" || fail ".ipuz puzzles are not known by their content"
  grep -aq '<crossword-compiler' "$mime/magic" || fail ".jpz puzzles are not known by their content"
  for type in $(sed -n 's/^MimeType=//p' "$entry" | tr ';' ' '); do
    [ -f "$mime/${type}.xml" ] || fail "the entry opens $type, which no MIME package defines"
  done

  # The installed program answers its options without a display.
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/trellis" --version >"$work/out" ||
    fail "--version ends with status $?"
  grep -q '^trellis [0-9]' "$work/out" || fail "--version says: $(cat "$work/out")"
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/trellis" --help >"$work/out" ||
    fail "--help ends with status $?"
  grep -q '^Usage: trellis ' "$work/out" || fail "--help says: $(cat "$work/out")"
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/trellis" --no-such-option \
    >"$work/out" 2>"$work/err" || status=$?
  [ "$status" = 2 ] || fail "an unknown option ends with status $status, not 2"
  grep -q "unknown option '--no-such-option'" "$work/err" || fail "an unknown option says: $(cat "$work/err")"
  [ ! -s "$work/out" ] || fail "an unknown option writes to standard output"
  echo "installed and checked under $prefix"
}

check_package() {
  "$tool" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.log")"
  deb=$(ls "$work"/trellis_*.deb 2>/dev/null | head -n 1)
  [ -n "$deb" ] || fail "no trellis_*.deb made: $(cat "$work/cpack.log")"

  dpkg-deb -c "$deb" | awk '{print $6}' >"$work/files"
  for file in ./usr/bin/trellis ./usr/share/applications/trellis.desktop \
              ./usr/share/mime/packages/trellis.xml ./usr/share/icons/hicolor/48x48/apps/trellis.png; do
    grep -qx "$file" "$work/files" || fail "$file is not in the package"
  done
  [ "$(dpkg-deb -f "$deb" Package)" = trellis ] || fail "the package is not named trellis"
  dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the package does not depend on Qt's widgets"

  # The package's version is valid and names the release the program shows;
  # a stage before the release ("1.0 Beta 4") sorts before the release itself.
  version=$(dpkg-deb -f "$deb" Version)
  dpkg --validate-version "$version" 2>/dev/null || fail "the package version '$version' is not valid"
  shown=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$build/app/trellis" --version)
  shown=${shown#trellis }
  release=${shown%% *}
  case $version in
    "$release" | "$release~"*) ;;
    *) fail "the package version '$version' is not the program's '$shown'" ;;
  esac
  if [ "$shown" != "$release" ]; then
    dpkg --compare-versions "$version" lt "$release" || fail "'$version' does not sort before the release $release"
  fi
  echo "packaged and checked: $(basename "$deb")"
}

case "$mode" in
  install) check_install ;;
  package) check_package ;;
  *) fail "unknown check '$mode'" ;;
esac
