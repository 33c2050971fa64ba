#!/usr/bin/env bash
# Checks the Debian package that CPack built: unpacks it into a scratch root with dpkg -x, looks
# for each file a desktop program needs, validates the desktop entry and the AppStream data with
# the tools Debian's own checks use, checks that the dependencies came from dpkg-shlibdeps, that
# every place naming the version names the same one, and runs the installed program's command
# line without a display.
#
#   check_deb.sh PACKAGE_DIR APP_ID VERSION
set -euo pipefail

package_dir=$1
app_id=$2
version=$3
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

shopt -s nullglob
debs=("$package_dir"/veltrix_"$version"_amd64.deb)
if [ ${#debs[@]} -ne 1 ]; then
    echo "FAIL: expected veltrix_${version}_amd64.deb in $package_dir" >&2
    exit 1
fi
deb=${debs[0]}
echo "package: $(basename "$deb")"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

program=$root/usr/bin/veltrix
desktop=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
icons=$root/usr/share/icons/hicolor

[ -f "$program" ] && [ -x "$program" ] || fail "usr/bin/veltrix missing or not executable"
[ -f "$desktop" ] || fail "desktop entry usr/share/applications/$app_id.desktop missing"
[ -f "$metainfo" ] || fail "AppStream data usr/share/metainfo/$app_id.metainfo.xml missing"

# The icon: the SVG as the scalable one, and PNGs of exactly their directory's size.
grep -q '<svg' "$icons/scalable/apps/$app_id.svg" 2>/dev/null ||
    fail "scalable icon hicolor/scalable/apps/$app_id.svg missing or not SVG"
for size in 32 64; do
    png=$icons/${size}x${size}/apps/$app_id.png
    described=$(file -b "$png" 2>/dev/null || true)
    case $described in
    "PNG image data, $size x $size,"*) ;;
    *) fail "hicolor/${size}x${size}/apps/$app_id.png: expected a ${size}x${size} PNG, got '$described'" ;;
    esac
done

# An optimised, stripped program, not a sanitizer build.
case $(file -b "$program") in
*ELF*executable*stripped*) ;;
*) fail "usr/bin/veltrix is not a stripped ELF executable: $(file -b "$program")" ;;
esac

if [ -f "$desktop" ]; then
    echo "== desktop-file-validate"
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
    grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry's Icon= is not $app_id"
    grep -qx "Exec=veltrix" "$desktop" || fail "the desktop entry does not start veltrix"
fi
if [ -f "$metainfo" ]; then
    echo "== appstreamcli validate --no-net"
    appstreamcli validate --no-net --explain "$metainfo" || fail "appstreamcli validate"
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "the AppStream data does not launch $app_id.desktop"
    grep -q "<id>$app_id</id>" "$metainfo" || fail "the AppStream id is not $app_id"
fi

# Menus, software centres and the manual that Help opens show Veltrix in each language it is
# translated into.
grep -q '<title>' "$root/usr/share/veltrix/manual/en/index.html" 2>/dev/null ||
    fail "the manual's English page usr/share/veltrix/manual/en/index.html missing"
for lang in de fr es it pt_BR pl ru zh_CN ja ar; do
    grep -q "<html lang=\"${lang/_/-}\"" "$root/usr/share/veltrix/manual/$lang/index.html" 2>/dev/null ||
        fail "the manual has no page in $lang"
    for key in GenericName Comment Keywords; do
        grep -q "^$key\[$lang\]=." "$desktop" 2>/dev/null ||
            fail "the desktop entry has no ${key}[$lang]"
    done
    for element in summary p li; do
        grep -q "<$element xml:lang=\"$lang\">" "$metainfo" 2>/dev/null ||
            fail "the AppStream data has no <$element xml:lang=\"$lang\">"
    done
done

# dpkg-shlibdeps writes versioned entries for every library the program links, Qt's and the C
# and C++ runtimes among them; a hand-written list would not carry these versions.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in 'libqt6widgets6 (>= 6' 'libqt6core6 (>= 6' 'libgmp10' 'libstdc++6 (>= ' \
    'libc6 (>= '; do
    [[ $depends == *"$library"* ]] || fail "Depends lacks '$library...': not from dpkg-shlibdeps?"
done
[[ $depends != *libasan* && $depends != *libubsan* ]] || fail "Depends names a sanitizer runtime"
for field in Maintainer Section Description; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "control field $field is empty"
done

# What Debian keeps for every package: the copyright in the machine-readable format, naming the
# licence and carrying its terms; the changelog and the manual page, compressed.
doc=$root/usr/share/doc/veltrix
copyright=$doc/copyright
if [ -f "$copyright" ]; then
    head -1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
        fail "usr/share/doc/veltrix/copyright is not in the machine-readable format"
    grep -qx 'License: MIT' "$copyright" || fail "the copyright file does not name the MIT licence"
    grep -q '^ Permission is hereby granted' "$copyright" || fail "the copyright file lacks the terms"
else
    fail "usr/share/doc/veltrix/copyright missing"
fi
for gz in "$doc/changelog.gz" "$root/usr/share/man/man1/veltrix.1.gz"; do
    gzip -t "$gz" 2>/dev/null || fail "${gz#"$root"/} missing or not gzip"
done
if [ -f "$root/usr/share/man/man1/veltrix.1.gz" ]; then
    zcat "$root/usr/share/man/man1/veltrix.1.gz" | grep -q '^\.SH "THE WINDOWS"' ||
        fail "the manual page lacks the section on the windows"
fi
grep -q "<project_license>MIT</project_license>" "$metainfo" 2>/dev/null ||
    fail "the AppStream data does not name the MIT licence"

# One version everywhere: the package, the program, the changelog and the AppStream release.
echo "== versions"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
changelog_version=$(zcat "$doc/changelog.gz" 2>/dev/null | sed -n '1s/^veltrix (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] || fail "the changelog's newest entry is '$changelog_version'"
grep -q "<release version=\"$version\"" "$metainfo" 2>/dev/null ||
    fail "the AppStream data has no release $version"

# The command line answers without any display; with none and no platform chosen, one line.
echo "== command line without a display"
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
shown=$("${headless[@]}" "$program" --version) || fail "--version exited with status $?"
[ "$shown" = "Veltrix $version" ] || fail "--version printed '$shown'"
shown=$("${headless[@]}" "$program" --help) || fail "--help exited with status $?"
[[ $shown == "Usage: veltrix [options]"* && $shown == *--version* && $shown == *-platform* ]] ||
    fail "--help lacks the usage line, an option or Qt's own: '$shown'"
shown=$("${headless[@]}" LC_ALL=C "$program" --working 10X^2-2X-3) ||
    fail "--working exited with status $?"
grep -qxF 'Roots: x = (−b ± √(b² − 4ac))/(2a) = (2 ± √124)/20 = (1 ± √31)/10' <<<"$shown" ||
    fail "--working printed '$shown'"
shown=$(echo 10X^2-2X-3 | "${headless[@]}" LC_ALL=C "$program" --working - --latex) ||
    fail "--working - --latex exited with status $?"
grep -qF '= \frac{1 \pm \sqrt{31}}{10}$' <<<"$shown" || fail "--working - --latex printed '$shown'"
status=0
complaint=$("${headless[@]}" "$program" --bogus 2>&1 >/dev/null) || status=$?
[[ $status -eq 1 && $complaint == "veltrix: Unknown option 'bogus'."* ]] ||
    fail "without a display --bogus gave status $status and '$complaint'"
status=0
complaint=$("${headless[@]}" "$program" 2>&1 >/dev/null) || status=$?
[ "$status" -eq 1 ] || fail "without a display the program exited with status $status, not 1"
[[ $complaint == *"needs a graphical display"* && $(wc -l <<<"$complaint") -eq 1 ]] ||
    fail "without a display the program said: '$complaint'"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "package checks passed"
