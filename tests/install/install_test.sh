#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a user gets:
# the program runs from there, the desktop entry passes desktop-file-validate,
# the AppStream file appstreamcli, the icon has its SVG and PNG sizes, the
# manual page formats without a warning and names every option of --help;
# then builds the .deb with cpack, checks it with lintian and runs the
# program from its extracted tree.
set -euo pipefail
build=$(cd "$1" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
bin="$tmp/prefix/bin/almucan" share="$tmp/prefix/share"
[ -x "$bin" ] || fail "no bin/almucan"

# Desktop entry: valid, without hints or warnings, naming the program and icon.
desktop="$share/applications/almucan.desktop"
out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
for key in Exec Icon; do grep -qx "$key=almucan" "$desktop" || fail "desktop entry lacks $key=almucan"; done

# AppStream metadata: valid, without a hint; a Release build installs its
# programs stripped.
out=$(appstreamcli validate --no-net --pedantic "$share/metainfo/org.example.almucan.metainfo.xml" 2>&1) ||
  fail "appstreamcli validate: $out"
if grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' "$build/CMakeCache.txt"; then
  file -L "$bin" | grep -q ', stripped' || fail "Release build installed unstripped: $(file -L "$bin")"
fi

# Icon: the SVG and every PNG size at its size.
[ -f "$share/icons/hicolor/scalable/apps/almucan.svg" ] || fail "no scalable icon"
for s in 16 24 32 48 64 128 256; do
  file "$share/icons/hicolor/${s}x${s}/apps/almucan.png" | grep -q "PNG image data, $s x $s," || fail "no $s x $s icon"
done

# Manual page: no warnings from man, and every option of --help in it.
page="$share/man/man1/almucan.1.gz"
warn=$(man --warnings -l "$page" 2>&1 >/dev/null) && [ -z "$warn" ] || fail "man --warnings: $warn"
text=$(MANWIDTH=200 man -l "$page" 2>/dev/null)
for o in $("$bin" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do grep -q -- "$o" <<<"$text" || fail "man: no $o"; done
for sec in SYNOPSIS OPTIONS FILES 'EXIT STATUS' EXAMPLES; do grep -q "^$sec" <<<"$text" || fail "man: no $sec"; done

# The build folder's --events bytes, which the packaged program must give
# (the package holds this installed tree: cpack installs the same files).
"$build/app/almucan" --month 202406 --events --settings-dir "$tmp/cfg" >"$tmp/built.txt"
[ -s "$tmp/built.txt" ] || fail "no --events output"
# The installed program starts its installed window and image program.
if [ -x "$build/app/almucan-qt" ]; then
  QT_QPA_PLATFORM=offscreen "$bin" --month 202406 --settings-dir "$tmp/cfg" --png "$tmp/p.png" ||
    fail "installed program: no PNG"
  file "$tmp/p.png" | grep -q 'PNG image data, 1000 x 700' || fail "installed program: PNG not 1000 x 700"
fi

# The Debian package: dependencies found, the files in it, the program runs
# from the extracted tree.
mkdir "$tmp/pkg"
(cd "$tmp/pkg" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/pkg" >cpack.log 2>&1) ||
  { cat "$tmp/pkg/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$tmp"/pkg/*.deb)
depends=$(dpkg-deb -f "$deb" Depends) version=$(dpkg-deb -f "$deb" Version)
grep -q 'libc6' <<<"$depends" || fail "package dependencies not found: '$depends'"
grep -q 'liberfa1' <<<"$depends" || fail "package does not depend on liberfa1: '$depends'"
[ "$(dpkg-deb -f "$deb" Package)" = almucan ] || fail "package name"
# One version: the package's, --version's and the AppStream release's.
[ "$("$bin" --version)" = "almucan $version" ] || fail "--version is not 'almucan $version'"
grep -q "<release version=\"$version\"" "$share/metainfo/org.example.almucan.metainfo.xml" ||
  fail "AppStream release is not $version"
# lintian: no error and no warning (copyright, changelog, compressed manual
# page, stripped programs, the description's synopsis).
out=$(lintian --fail-on error,warning "$deb" 2>/dev/null) || fail "lintian: $out"
dpkg-deb -x "$deb" "$tmp/x"
# The package holds the installed tree (the copyright file and changelog:
# lintian above).
for f in usr/share/applications/almucan.desktop usr/share/man/man1/almucan.1.gz usr/share/icons/hicolor/48x48/apps/almucan.png; do
  [ -e "$tmp/x/$f" ] || fail "package lacks /$f"
done
"$tmp/x/usr/bin/almucan" --month 202406 --events --settings-dir "$tmp/cfg" >"$tmp/deb.txt"
cmp -s "$tmp/deb.txt" "$tmp/built.txt" || fail "program from the package differs"
echo "install tree and package: ok ($(basename "$deb"), Depends: $depends)"
