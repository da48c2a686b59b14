#!/usr/bin/env bash
# Checks the installation and the Debian package of an already built tree (default: build-test):
# installs into a temporary DESTDIR, checks the files and validates the desktop entry and the
# AppStream metainfo, then builds the .deb with CPack and checks its contents and dependencies.
# Exits non-zero on the first fault.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
# CPack asks file and dpkg-shlibdeps (dpkg-dev) for the binaries' library dependencies; readelf
# (binutils) shows what the program links.
ensure_packages desktop-file-utils appstream dpkg-dev file groff-base binutils

fail() {
    echo "test-install: $*" >&2
    exit 1
}

build=$(realpath "${1:-build-test}")
app_id=org.quorvit.Quorvit
# quorvit-gui and quorvit-formats go to a folder of their own in the library folder the build
# was configured with.
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
[ -n "$libdir" ] || fail "$build/CMakeCache.txt names no CMAKE_INSTALL_LIBDIR"
gui=usr/$libdir/quorvit/quorvit-gui
formats=usr/$libdir/quorvit/quorvit-formats
expected_files=(
    usr/bin/quorvit
    "$gui"
    "$formats"
    usr/share/applications/$app_id.desktop
    usr/share/icons/hicolor/scalable/apps/$app_id.svg
    usr/share/metainfo/$app_id.metainfo.xml
    usr/share/man/man1/quorvit.1
    usr/share/man/zh_CN/man1/quorvit.1
    usr/share/bash-completion/completions/quorvit
    usr/share/librecad/fonts/quorvit-hei.lff
)
expected_depends=(libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6printsupport6 qt6-qpa-plugins
    fonts-arphic-ukai fonts-arphic-uming fonts-wqy-microhei)

work=$(mktemp -d /tmp/quorvit-install.XXXXXX)
trap 'rm -rf "$work"' EXIT

# The file set an install puts down, relative to its root, sorted.
check_file_set() {
    local what=$1
    shift
    local expected actual
    expected=$(printf '%s\n' "${expected_files[@]}" | sort)
    actual=$(printf '%s\n' "$@" | sort)
    [ "$actual" = "$expected" ] ||
        fail "$what holds other files than expected:"$'\n'"$(diff <(echo "$expected") <(echo "$actual"))"
}

echo "== install into a temporary DESTDIR"
root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
mapfile -t installed < <(cd "$root" && find . -type f -printf '%P\n')
check_file_set "the install" "${installed[@]}"
[ -x "$root/usr/bin/quorvit" ] || fail "usr/bin/quorvit is not executable"

# Three ordinary programs: quorvit on Qt Core alone, quorvit-gui with Qt Gui and Print Support
# and without the format libraries, quorvit-formats with them; each finds every library it links
# once installed, and none loads code of its own with dlopen.
program=$root/usr/bin/quorvit
links() { # binary, libraries it must link (+name) or must not (-name)
    local binary=$1 needed library
    shift
    needed=$(ldd "$binary") || fail "ldd cannot read $binary"
    ! grep -q 'not found' <<<"$needed" || fail "$binary's libraries:"$'\n'"$needed"
    ! nm -D --undefined-only "$binary" | grep -qwE 'dlopen|dlmopen' || fail "$binary calls dlopen"
    for library in "$@"; do
        if [ "${library:0:1}" = + ]; then
            grep -q "${library:1}" <<<"$needed" || fail "$binary does not link ${library:1}"
        else
            ! grep -q "${library:1}" <<<"$needed" || fail "$binary links ${library:1}"
        fi
    done
}
links "$program" -libQt6Gui -libQt6Widgets -libQt6PrintSupport -libdxflib -libxlsxwriter
links "$root/$gui" +libQt6Widgets +libQt6PrintSupport -libdxflib -libxlsxwriter
links "$root/$formats" +libdxflib +libxlsxwriter -libQt6Gui
# quorvit finds the other two from its own folder and hands them the painted drawing, the DXF and
# the windows (which keep running until stopped); without quorvit-gui it says why in one line
# and exits 1.
run() { env -u QUORVIT_GUI_PROGRAM -u QUORVIT_FORMATS_PROGRAM -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$@"; }
run "$program" lookup pl 1.0 100 | grep -q 'M16x75' || fail "the installed quorvit cannot look up a flange"
run "$program" drawing wn 1.6 100 -o "$work/wn.svg" && grep -q '<svg' "$work/wn.svg" ||
    fail "the installed quorvit cannot paint an SVG drawing"
run "$program" drawing wn 1.6 100 -o "$work/wn.dxf" && grep -q 'AC1015' "$work/wn.dxf" ||
    fail "the installed quorvit cannot write a DXF drawing"
status=0
run timeout 3 "$program" >/dev/null 2>&1 || status=$?
[ $status -eq 124 ] || fail "the installed quorvit's windows did not keep running (exit $status)"
mv "$root/$gui" "$work/quorvit-gui"
status=0
message=$(run "$program" 2>&1 >/dev/null) || status=$?
mv "$work/quorvit-gui" "$root/$gui"
[ $status -eq 1 ] && [ "$(wc -l <<<"$message")" -eq 1 ] && grep -q 'quorvit-gui' <<<"$message" ||
    fail "without quorvit-gui the installed quorvit exits $status with: $message"

desktop=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
icon=$root/usr/share/icons/hicolor/scalable/apps/$app_id.svg
desktop-file-validate "$desktop" || fail "desktop entry rejected by desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "metainfo rejected by appstreamcli"

# The entry must start the installed quorvit-gui (by its full path: the windows start without
# loading quorvit first) and name the installed icon; the metainfo must point at the entry.
# A key of the main group; the desktop actions below it have Name and Exec keys of their own.
entry() { sed -n "/^\[Desktop Entry\]/,/^\[/ s/^$1=//p" "$desktop"; }
action() { sed -n "/^\[Desktop Action $1\]/,/^\[/ s/^Exec=//p" "$desktop"; }
for window in takeoff identify; do
    [ "$(action $window)" = "/$gui --window $window" ] ||
        fail "desktop action $window runs '$(action $window)'"
done
[ "$(entry Exec)" = "/$gui" ] || fail "desktop entry runs '$(entry Exec)', not /$gui"
[ "$(entry Icon)" = "$app_id" ] || fail "desktop entry names icon '$(entry Icon)'"
[ "$(entry Name)" = Quorvit ] || fail "desktop entry is named '$(entry Name)'"
[ -n "$(entry 'Name\[zh_CN\]')" ] && [ -n "$(entry 'Comment\[zh_CN\]')" ] ||
    fail "desktop entry has no Chinese name or comment"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $app_id.desktop"
grep -q "<id>$app_id</id>" "$metainfo" || fail "metainfo id is not $app_id"
grep -q '<svg ' "$icon" || fail "the icon is not an SVG drawing"

# The manual pages, English and Chinese, render without warnings and document every command,
# each in its language; the completion is valid bash that defines the completion function.
for man_page in "$root"/usr/share/man/man1/quorvit.1 "$root"/usr/share/man/zh_CN/man1/quorvit.1; do
    warnings=$(groff -k -man -Tutf8 -ww -z "$man_page" 2>&1) || fail "groff cannot render $man_page"
    [ -z "$warnings" ] || fail "$man_page renders with warnings: $warnings"
    for command in lookup table drawing takeoff identify; do
        grep -q "^\\.B $command" "$man_page" || fail "$man_page does not document '$command'"
    done
done
grep -q '^\.SH DESCRIPTION' "$root/usr/share/man/man1/quorvit.1" ||
    fail "the English manual page has no DESCRIPTION"
grep -q '^\.SH 描述' "$root/usr/share/man/zh_CN/man1/quorvit.1" ||
    fail "the Chinese manual page has no Chinese description"
completion=$root/usr/share/bash-completion/completions/quorvit
bash -n "$completion" || fail "the bash completion is not valid bash"
bash -c "_init_completion() { :; }; complete() { :; }; source '$completion'; declare -F _quorvit" \
    >/dev/null || fail "the bash completion defines no _quorvit"

# LibreCAD's font for the drawings' text: a LibreCAD font holding the title block's Chinese.
font=$root/usr/share/librecad/fonts/quorvit-hei.lff
grep -q '^# Format: *LibreCAD Font 1' "$font" || fail "quorvit-hei.lff is not a LibreCAD font"
grep -q '^\[710a\] 焊$' "$font" || fail "quorvit-hei.lff has no glyph for 焊"

echo "== build the Debian package"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >/dev/null
debs=("$work"/package/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "CPack made no single .deb"
deb=${debs[0]}
echo "$(basename "$deb"):"
dpkg-deb -c "$deb"
mapfile -t packaged < <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||')
check_file_set "the package" "${packaged[@]}"

[ "$(dpkg-deb -f "$deb" Package)" = quorvit ] || fail "the package is not named quorvit"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in "${expected_depends[@]}"; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "the package does not depend on $package"
done
echo "test-install: install and package checks passed"
