#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_package.sh BUILD_DIR VERSION
# Makes the Debian package from the finished build, unpacks it into a scratch root and checks what it holds
# against what the install rules put in place, its control fields, and the installed programs, manual
# pages, desktop entry and software-centre metadata.
set -uo pipefail
build=$1 version=$2
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}

# cpack installs the built files as they are, without building again; everything it makes stays in scratch.
if ! cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    fail "cpack"
    exit 1
fi
deb="$scratch/out/parvola_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || {
    ls "$scratch/out"
    fail "no $(basename "$deb")"
    exit 1
}

# The control fields, with the libraries worked out from the programs.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = parvola ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Section)" = utils ] || fail "Section is '$(field Section)'"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@]+@[^\>]+\>$ ]] || fail "Maintainer is '$(field Maintainer)'"
[ "$(field Description | wc -l)" -gt 2 ] || fail "no long description"
depends=$(field Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins libqt6svg6; do
    [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] ||
        fail "Depends lacks $library: $depends"
done
# Nothing for dpkg to keep on removal and nothing run on installing: removing the package removes it all.
# The caches of icons, menus and manual pages are refreshed by their own packages' triggers.
control=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep -v '^$' | sort | tr '\n' ' ')
[ "$control" = "control md5sums " ] || fail "control archive holds: $control"

# The package holds exactly what cmake --install puts in place.
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./|/|' | sort >"$scratch/package.txt"
DESTDIR="$scratch/installed" cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
(cd "$scratch/installed" && find . ! -type d | sed 's|^\./|/|' | sort) >"$scratch/installed.txt"
diff -u "$scratch/installed.txt" "$scratch/package.txt" || fail "package and cmake --install differ"

# Each program comes with its manual page and the desktop files under the one id.
programs=$(sed -n 's|^/usr/bin/||p' "$scratch/package.txt")
expected="/usr/share/applications/io.github.parvola.Parvola.desktop
/usr/share/icons/hicolor/scalable/apps/io.github.parvola.Parvola.svg
/usr/share/metainfo/io.github.parvola.Parvola.metainfo.xml
/usr/share/doc/parvola/copyright
/usr/share/doc/parvola/changelog.gz"
for program in parvola parvola-split parvola-join $programs; do
    expected+=$'\n'"/usr/bin/$program"$'\n'"/usr/share/man/man1/$program.1.gz"
done
diff -u <(sort -u <<<"$expected") "$scratch/package.txt" || fail "the package holds other files"

# The installed programs start, from the scratch root, with the libraries of this system.
root="$scratch/root"
dpkg-deb -x "$deb" "$root"
for program in $programs; do
    out=$("$root/usr/bin/$program" --version 2>&1)
    [ "$out" = "$program $version" ] || fail "$program --version: $out"
    out=$("$root/usr/bin/$program" --help 2>&1)
    [[ $? -eq 0 && "$out" == "Usage: $program"* && "$out" == *"man $program"* ]] ||
        fail "$program --help: $out"
    "$here/check_man_page.sh" "$root/usr/share/man/man1/$program.1.gz" "$version" "$root/usr/bin/$program" ||
        fail "manual page of $program"
done

# The desktop entry, icon and metadata as installed, checked together.
"$here/quiet.sh" desktop-file-validate "$root/usr/share/applications/io.github.parvola.Parvola.desktop" ||
    fail "desktop entry"
appstreamcli validate-tree --no-net --strict "$root" || fail "appstreamcli validate-tree"
icon=$(sed -n 's/^Icon=//p' "$root/usr/share/applications/io.github.parvola.Parvola.desktop")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "the desktop entry's icon '$icon' is not there"
release=$(grep -o '<release version="[^"]*"' "$root/usr/share/metainfo/io.github.parvola.Parvola.metainfo.xml" |
    head -1 | cut -d'"' -f2)
[ "$release" = "$version" ] || fail "the newest release in the metadata is '$release', not $version"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$root/usr/share/metainfo/io.github.parvola.Parvola.metainfo.xml" ||
    fail "the metadata names no project licence"

# Debian's own checks of a package: neither errors nor warnings.
said=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $said"

[ $failed -eq 0 ] && echo "parvola_${version}: $(wc -l <"$scratch/package.txt") files, all checked"
exit $failed
