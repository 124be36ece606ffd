#!/usr/bin/env bash
# Builds the .deb package from the build and checks its contents and fields.
#     package-test.sh CPACK BUILD_DIR
set -euo pipefail
cpack=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
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
echo "packaged and checked: $(basename "$deb")"
