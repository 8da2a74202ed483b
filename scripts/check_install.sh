#!/usr/bin/env bash
# Checks an installation made from a build folder, as a test:
#   scripts/check_install.sh BUILD tree   `cmake --install` into a scratch prefix: every file in its place,
#                                         and the programs find their data from that prefix
#   scripts/check_install.sh BUILD deb    `cpack -G DEB`, the package unpacked into a scratch root with
#                                         dpkg -x, and tallyhawk-cli lookup W1AW run from there
set -euo pipefail
BUILD=$(cd "$1" && pwd)
KIND=$2
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT

fail() { echo "check_install: $*" >&2; exit 1; }

# The files an installation holds, relative to its prefix.
expect_files() {
  local prefix=$1
  for file in bin/tallyhawk bin/tallyhawk-cli \
      share/tallyhawk/dxcc/cty.dat share/tallyhawk/dxcc/prx2.dat share/tallyhawk/dxcc/prx3.dat \
      share/tallyhawk/dxcc/prx4.dat share/tallyhawk/dxcc/obl.dat share/tallyhawk/translations/tallyhawk_ru.qm \
      share/applications/tallyhawk.desktop share/icons/hicolor/scalable/apps/tallyhawk.svg \
      share/icons/hicolor/16x16/apps/tallyhawk.png share/icons/hicolor/48x48/apps/tallyhawk.png \
      share/icons/hicolor/256x256/apps/tallyhawk.png; do
    [ -f "$prefix/$file" ] || fail "missing $file under $prefix"
  done
  [ -x "$prefix/bin/tallyhawk-cli" ] || fail "bin/tallyhawk-cli is not executable"
  grep -q '^Exec=tallyhawk --home$' "$prefix/share/applications/tallyhawk.desktop" ||
    fail "the desktop entry does not start the window on the work folder"
}

# A first start with --home makes the work folder from the data of the prefix the program runs from (a
# file put there only is copied too, so the data cannot have come from where it was built), and a lookup
# there finds W1AW.
expect_data_from() {
  local prefix=$1 home="$SCRATCH/work" line
  echo "only in this prefix" >"$prefix/share/tallyhawk/dxcc/marker.txt"
  line=$(cd / && TALLYHAWK_HOME="$home" "$prefix/bin/tallyhawk-cli" --home --settings "$SCRATCH/settings.ini" \
    lookup W1AW)
  [ "$(cut -f1-3 <<<"$line")" = $'W1AW\tW\tUnited States of America' ] || fail "lookup W1AW gave '$line'"
  [ -f "$home/dxcc/marker.txt" ] || fail "the work folder was not made from the data under $prefix"
  for part in database statistics; do [ -d "$home/$part" ] || fail "the work folder has no $part/"; done
}

case $KIND in
  tree)
    cmake --install "$BUILD" --prefix "$SCRATCH/prefix" >/dev/null
    expect_files "$SCRATCH/prefix"
    expect_data_from "$SCRATCH/prefix"
    ;;
  deb)
    (cd "$SCRATCH" && cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$SCRATCH/package" >/dev/null)
    version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$BUILD/CPackConfig.cmake")
    deb="$SCRATCH/package/tallyhawk_${version}_$(dpkg --print-architecture).deb"
    [ -f "$deb" ] || fail "no $deb"
    dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' || fail "the package does not depend on Qt"
    dpkg -x "$deb" "$SCRATCH/root"
    expect_files "$SCRATCH/root/usr"
    expect_data_from "$SCRATCH/root/usr"
    ;;
  *) fail "usage: $0 BUILD tree|deb" ;;
esac
echo "check_install $KIND: ok"
