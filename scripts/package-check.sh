#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from a built build folder (default build-release),
# lists its contents and checks them: exactly the expected files, owned by
# root, the control fields, the desktop entry and AppStream data as installed,
# the manual pages and the copyright file. Finally runs the programs from the
# unpacked package in an unrelated folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-release}"
fail() { echo "package-check: $*" >&2; exit 1; }

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
[ -n "$version" ] || fail "$build is not a configured build folder"
deb="$build/tovrincalc_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log"; fail "cpack -G DEB failed"; }
[ -f "$deb" ] || fail "cpack made no $deb"

echo "== $deb"
dpkg-deb --field "$deb"
contents="$(dpkg-deb --contents "$deb")"
echo "$contents"

libdir="$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")"
expected="./usr/bin/tovrincalc
./usr/bin/tovrincalc-cli
./usr/${libdir:-lib}/tovrincalc/libtovrincalc-handin.so
./usr/share/applications/org.tovrincalc.TovrinCALC.desktop
./usr/share/doc/tovrincalc/copyright
./usr/share/icons/hicolor/scalable/apps/org.tovrincalc.TovrinCALC.svg
./usr/share/man/man1/tovrincalc-cli.1.gz
./usr/share/man/man1/tovrincalc.1.gz
./usr/share/metainfo/org.tovrincalc.TovrinCALC.metainfo.xml
./usr/share/tovrincalc/English.txt
./usr/share/tovrincalc/Russian.txt
./usr/share/tovrincalc/Ukrainian.txt"
files="$(echo "$contents" | awk '$1 !~ /^d/ { print $6 }' | LC_ALL=C sort)"
[ "$files" = "$(echo "$expected" | LC_ALL=C sort)" ] ||
    fail "the package holds other files than expected:"$'\n'"$(diff <(echo "$expected" | LC_ALL=C sort) <(echo "$files"))"
echo "$contents" | awk '$2 != "root/root" { bad = 1; print } END { exit bad }' || fail "files not owned by root"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tovrincalc ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version $(field Version), the project says $version"
[ "$(field Section)" = math ] || fail "section $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
# dpkg-shlibdeps names the libraries the programs link: the C library and Qt.
depends="$(field Depends)"
for lib in libc6 libstdc++6 libqt6widgets6; do
    [[ "$depends" == *"$lib "* ]] || fail "Depends lacks $lib: $depends"
done

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root/unpacked"
share="$root/unpacked/usr/share"
desktop-file-validate "$share/applications/org.tovrincalc.TovrinCALC.desktop" ||
    fail "desktop-file-validate refuses the desktop entry"
appstreamcli validate --no-net "$share/metainfo/org.tovrincalc.TovrinCALC.metainfo.xml" >"$root/appstream.log" 2>&1 ||
    { cat "$root/appstream.log"; fail "appstreamcli refuses the metainfo"; }
grep -q "<release version=\"$version\"" "$share/metainfo/org.tovrincalc.TovrinCALC.metainfo.xml" ||
    fail "the metainfo names no release $version"

for page in tovrincalc tovrincalc-cli; do
    warnings="$(zcat "$share/man/man1/$page.1.gz" | groff -man -ww -z -Tutf8 2>&1)"
    [ -z "$warnings" ] || fail "$page.1: $warnings"
done

# The machine-readable copyright format: the Format line first, every Files
# paragraph with Copyright and License, every licence it names spelled out in
# a paragraph of its own.
awk -v RS= '
    NR == 1 && !/^Format: https:\/\/www\.debian\.org\/doc\/packaging-manuals\/copyright-format\/1\.0\// { print "no Format line"; bad = 1 }
    /^Files:/ {
        if (!/\nCopyright:/) { print "a Files paragraph without Copyright"; bad = 1 }
        if (!match($0, /\nLicense: [^\n]+/)) { print "a Files paragraph without License"; bad = 1 }
        else used[substr($0, RSTART + 10, RLENGTH - 10)] = 1
    }
    /^License: [^\n]+\n / { split($0, l, "\n"); text[substr(l[1], 10)] = 1 }
    END { for (name in used) if (!(name in text)) { print "no text for licence " name; bad = 1 }; exit bad }
' "$share/doc/tovrincalc/copyright" || fail "usr/share/doc/tovrincalc/copyright is not in the machine-readable format"

# The unpacked programs, started from an empty folder, find their language
# files through ../share/tovrincalc: English captions and no error box.
mkdir "$root/elsewhere"
state="$(cd "$root/elsewhere" && echo '{"actions":[{"menu":"N25"}]}' | "$root/unpacked/usr/bin/tovrincalc-cli" -)"
[[ "$state" == *'"N1": "Tasks"'* && "$state" == *'"boxes": []'* ]] ||
    fail "the unpacked tovrincalc-cli does not find its language files"
[ "$("$root/unpacked/usr/bin/tovrincalc-cli" --version)" = "tovrincalc-cli $version" ] || fail "tovrincalc-cli --version"
[ "$("$root/unpacked/usr/bin/tovrincalc" --version)" = "tovrincalc $version" ] || fail "tovrincalc --version"
echo "package-check: $deb is complete and valid"
