#!/usr/bin/env bash
# Installation and the Debian package, from the build tree that scripts/test
# made (build/, or $QUORVEL_BUILD_DIR):
# - `cmake --install` into a scratch prefix, and the layout there: program and
#   help file together in lib/quorvel-calculator, the launcher link in bin/,
#   the menu entry, the icons, the software-centre description;
# - the program, started through the launcher, looks in its real directory;
# - the menu entry and the description pass their validators, the scalable
#   icon looks like the program's own logo;
# - `cpack -G DEB` builds quorvel-calculator_<version>_<arch>.deb, whose
#   control data (name, version, section, computed dependencies) and
#   contents are what they should be, and nothing else.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
source scripts/lib.sh

ensure_packages "${BUILD_PACKAGES[@]}" dpkg-dev appstream desktop-file-utils librsvg2-bin \
  inotify-tools

fail() {
  echo "30-package: FAILED: $*" >&2
  exit 1
}
note() { echo "30-package: $*"; }

name=quorvel-calculator
app_id=example.quorvel_calculator.calculator
program_dir=lib/$name

# A tree configured before packaging/ existed has no install rules yet.
if [ ! -f "$BUILD_DIR/CPackConfig.cmake" ]; then
  cmake -S "$ROOT" -B "$BUILD_DIR" >&2
fi
[ -f "$BUILD_DIR/CPackConfig.cmake" ] ||
  fail "$BUILD_DIR has no package configuration (built with QUORVEL_BUILD_UI=OFF?)"
cmake --build "$BUILD_DIR" --target quorvel-calculator calc_help quorvel_icons >&2

work=$(mktemp -d)
probe_pid=
cleanup() {
  if [ -n "$probe_pid" ]; then kill "$probe_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# The program's file version, as the binary itself carries it.
version=$(grep -aoE -m1 'Quorvel Calculator file version [0-9]+(\.[0-9]+){3}' \
  "$BUILD_DIR/bin/$name" | awk 'NR == 1 {print $NF}')
[ -n "$version" ] || fail "no file version found in $BUILD_DIR/bin/$name"
note "file version $version"

png_size() {  # width x height from a PNG's header
  local bytes
  bytes=$(od -An -tu1 -N24 "$1" | tr -s ' \n' ' ')
  read -r -a b <<<"$bytes"
  [ "${b[1]}${b[2]}${b[3]}" = "807871" ] || { echo "not-a-png"; return; }
  echo "$(((b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19]))x$(((b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23]))"
}

icon_sizes=(16 32 48 64 128 256)
# Every file the installation holds, relative to the prefix.
expected_files=(
  "bin/$name"
  "$program_dir/$name"
  "$program_dir/CalcHelp.chm"
  "share/applications/$name.desktop"
  "share/metainfo/$app_id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$name.svg"
  "share/doc/$name/copyright"
)
for size in "${icon_sizes[@]}"; do
  expected_files+=("share/icons/hicolor/${size}x${size}/apps/$name.png")
done

# Checks one installed tree ($1, the prefix) for the layout and the files.
check_tree() {
  local root=$1 what=$2 file
  for file in "${expected_files[@]}"; do
    [ -e "$root/$file" ] || fail "$what: $file is missing"
  done
  local unexpected
  unexpected=$(cd "$root" && find . \( -type f -o -type l \) -printf '%P\n' | sort |
    grep -vxF -f <(printf '%s\n' "${expected_files[@]}") || true)
  [ -z "$unexpected" ] || fail "$what: files nobody asked for: $unexpected"

  # Program and help file together; the launcher a relative link to it.
  local program=$root/$program_dir/$name
  [ -x "$program" ] && [ ! -L "$program" ] || fail "$what: $program_dir/$name is not an executable file"
  [ "$(head -c4 "$program" | od -An -c | tr -d ' ')" = '177ELF' ] || fail "$what: $program_dir/$name is no ELF program"
  [ "$(head -c4 "$root/$program_dir/CalcHelp.chm")" = ITSF ] || fail "$what: CalcHelp.chm is no compiled help file"
  cmp -s "$root/$program_dir/CalcHelp.chm" "$BUILD_DIR/bin/CalcHelp.chm" ||
    fail "$what: CalcHelp.chm differs from the one built"
  [ -L "$root/bin/$name" ] || fail "$what: bin/$name is not a link"
  [ "$(readlink "$root/bin/$name")" = "../$program_dir/$name" ] ||
    fail "$what: bin/$name points to $(readlink "$root/bin/$name")"
  [ "$(realpath "$root/bin/$name")" = "$(realpath "$program")" ] ||
    fail "$what: bin/$name does not lead to the program"

  # The menu entry.
  local desktop=$root/share/applications/$name.desktop line validation
  for line in "Type=Application" "Name=Quorvel Calculator" "Exec=$name" "Icon=$name" \
    "Categories=Utility;Calculator;Finance;Office;"; do
    grep -qxF "$line" "$desktop" || fail "$what: the desktop file lacks the line $line"
  done
  validation=$(desktop-file-validate "$desktop" 2>&1) || fail "$what: desktop-file-validate: $validation"
  if grep -E ': (error|warning):' <<<"$validation"; then fail "$what: desktop-file-validate complains"; fi

  # The icons: one for every size, of that size, and a scalable one.
  for size in "${icon_sizes[@]}"; do
    local got
    got=$(png_size "$root/share/icons/hicolor/${size}x${size}/apps/$name.png")
    [ "$got" = "${size}x${size}" ] || fail "$what: the ${size}x${size} icon is $got"
  done
  grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/$name.svg" || fail "$what: the scalable icon is no SVG"

  # The description: valid alone and with the tree around it (its file name,
  # the menu entry it names), for this version, launching this menu entry.
  local metainfo=$root/share/metainfo/$app_id.metainfo.xml
  appstreamcli validate --no-net "$metainfo" >"$work/validate.log" 2>&1 ||
    { cat "$work/validate.log" >&2; fail "$what: appstreamcli validate"; }
  grep -qF "<id>$app_id</id>" "$metainfo" || fail "$what: the description's id is not $app_id"
  grep -qF "<launchable type=\"desktop-id\">$name.desktop</launchable>" "$metainfo" ||
    fail "$what: the description does not launch $name.desktop"
  grep -qE "<release version=\"$version\"" "$metainfo" ||
    fail "$what: the description has no release entry for $version"
}

# 1. cmake --install into a scratch prefix.
prefix=$work/prefix
cmake --install "$BUILD_DIR" --prefix "$prefix" >"$work/install.log" ||
  { cat "$work/install.log" >&2; fail "cmake --install"; }
check_tree "$prefix" "cmake --install"
mkdir -p "$work/tree/usr"
cp -a "$prefix/share" "$work/tree/usr/"
appstreamcli validate-tree --no-net "$work/tree" >"$work/validate.log" 2>&1 ||
  { cat "$work/validate.log" >&2; fail "appstreamcli validate-tree"; }
note "cmake --install: layout, desktop file and description good"

# 2. Started through the launcher, the program looks for its files in its own,
# real directory: at start-up it tries whether it may create a file there (a
# fresh ".QuorvelCalc.probe-" file, to choose where its settings go). A watch
# on that directory sees the try.
mkdir -m 700 "$work/runtime"
inotifywait -t 20 -e create --format '%f' "$prefix/$program_dir" >"$work/created" \
  2>"$work/watch.log" &
watch_pid=$!
for _ in $(seq 100); do  # the watch is set up before the program starts
  grep -q 'Watches established' "$work/watch.log" && break
  sleep 0.1
done
(
  cd /
  XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen \
    exec "$prefix/bin/$name"
) >"$work/program.log" 2>&1 &
probe_pid=$!
wait "$watch_pid" || true
kill "$probe_pid" 2>/dev/null || true
wait "$probe_pid" 2>/dev/null || true
probe_pid=
if ! grep -q '^\.QuorvelCalc\.probe-' "$work/created"; then
  cat "$work/created" "$work/program.log" >&2
  fail "the program started as bin/$name did not look in $program_dir"
fi
note "the program started through bin/$name works in $program_dir"

# 3. The scalable icon, drawn by hand, against the logo the program paints.
for size in 64 256; do
  rsvg-convert -w "$size" -h "$size" "$prefix/share/icons/hicolor/scalable/apps/$name.svg" \
    -o "$work/svg-$size.png"
  "$BUILD_DIR/packaging/quorvel-icon-tool" compare \
    "$prefix/share/icons/hicolor/${size}x${size}/apps/$name.png" "$work/svg-$size.png" 0.5 0.1 ||
    fail "the scalable icon does not match the logo at ${size}x${size}"
done

# 4. The Debian package.
(cd "$BUILD_DIR" && cpack -G DEB -B "$work/deb") >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack -G DEB"; }
arch=$(dpkg --print-architecture)
deb=$work/deb/${name}_${version}_$arch.deb
[ -f "$deb" ] || fail "cpack made no $(basename "$deb"): $(ls "$work/deb")"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = "$name" ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is $(field Architecture)"
[ "$(field Section)" = utils ] || fail "Section is $(field Section)"
grep -qE '^.+ <[^ @]+@[^ @]+>$' <<<"$(field Maintainer)" || fail "Maintainer is '$(field Maintainer)'"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 'libchm[0-9]+' libc6 'libstdc\+\+6'; do
  grep -qE "(^|, )$library( |,|$)" <<<"$depends" || fail "Depends lacks $library: $depends"
done
contents=$(dpkg-deb -c "$deb")
grep -qF "./usr/bin/$name -> ../$program_dir/$name" <<<"$contents" ||
  fail "the package has no launcher link: $contents"
dpkg-deb -x "$deb" "$work/debroot"
check_tree "$work/debroot/usr" "the package"
appstreamcli validate-tree --no-net "$work/debroot" >"$work/validate.log" 2>&1 ||
  { cat "$work/validate.log" >&2; fail "appstreamcli validate-tree on the package"; }
[ -z "$(find "$work/debroot" -mindepth 1 -maxdepth 1 ! -name usr)" ] ||
  fail "the package installs outside /usr"
if readelf -S "$work/debroot/usr/$program_dir/$name" | grep -q '\.debug_info'; then
  fail "the packaged program is not stripped"
fi
note "$(basename "$deb"): $(stat -c %s "$deb") bytes; Depends: $depends"
note "done"
