#!/usr/bin/env bash
# Checks that a fresh machine gets every library the build links: each library on the final link
# lines of a configured build tree (its absolute paths and its -l names, as the linker finds them)
# must come from a Debian package that scripts/setup.sh installs or from one of their installed
# dependencies. A library outside them builds here only by luck; the message names the package
# to add. The test and benchmark programs may also use TEST_PACKAGES, the rest BUILD_PACKAGES.
#
#   scripts/check-build-packages.sh BUILD_DIR [SETUP_FILE]
#
# SETUP_FILE (default scripts/setup.sh) is the file that defines the two package lists.
set -euo pipefail -o noglob
cd "$(dirname "$0")/.."

build=$(realpath "${1:?usage: $0 BUILD_DIR [SETUP_FILE]}")
setup=${2:-scripts/setup.sh}
source "$setup"
source=$(pwd -P)

fail() {
    echo "check-build-packages: $*" >&2
    exit 1
}
[ -f "$build/CMakeCache.txt" ] || fail "$build is not a configured build tree"

# The packages named and every installed package they depend on, recursively.
closure() {
    apt-cache depends --recurse --installed --no-recommends --no-suggests --no-conflicts \
        --no-breaks --no-replaces --no-enhances "$@" 2>/dev/null | grep -v '^ ' | sort -u
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
closure "${TEST_PACKAGES[@]}" >"$work/test" &
build_closure=$(closure "${BUILD_PACKAGES[@]}")
wait $!
test_closure=$(sort -u - "$work/test" <<<"$build_closure")

# The file the linker takes for -lNAME: the shared library, else the static one, as the compiler
# finds them (the link's own -L folders come first).
library_file() {
    local name=$1
    shift
    local folder kind
    for kind in so a; do
        for folder in "$@"; do
            [ -e "$folder/lib$name.$kind" ] && { realpath -s "$folder/lib$name.$kind"; return; }
        done
        local found
        found=$(c++ -print-file-name="lib$name.$kind")
        [ "$found" != "lib$name.$kind" ] && { realpath -s "$found"; return; }
    done
    echo "-l$name"
}

# "library<TAB>target<TAB>tests" for every outside library on every final link line.
linked_libraries() {
    local link target tests token
    while IFS= read -r link; do
        target=$(basename "$(dirname "$link")" .dir)
        tests=no
        case ${link#"$build"/} in bench/* | tests/*) tests=yes ;; esac
        local folders=() libraries=()
        for token in $(grep -v -e '/ar ' -e '/ranlib ' "$link"); do
            case $token in
            -L/*) folders+=("${token#-L}") ;;
            -l*) libraries+=("${token#-l}") ;;
            /*.so | /*.so.* | /*.a)
                case $token in "$build"/* | "$source"/*) ;; *) printf '%s\t%s\t%s\n' "$token" "$target" "$tests" ;; esac ;;
            esac
        done
        for token in "${libraries[@]}"; do
            printf '%s\t%s\t%s\n' "$(library_file "$token" "${folders[@]}")" "$target" "$tests"
        done
    done < <(find "$build" -name link.txt -path '*/CMakeFiles/*' | sort)
}

# The program's own links first: a library both link is reported for the program's list.
mapfile -t links < <(linked_libraries | sort -u | sort -s -t $'\t' -k3,3)
mapfile -t libraries < <(printf '%s\n' "${links[@]}" | cut -f1 | sort -u)

# The package that installed each library, asked of dpkg at once (a query reads every package's
# file list). dpkg knows a file by the path its package lists, which on a merged /usr may be the
# /lib one.
declare -A owners
while IFS= read -r line; do
    path=${line#*: }
    owners[$path]=${line%%[:,]*}
    owners[${path/#\/lib\//\/usr\/lib\/}]=${owners[$path]}
done < <(dpkg-query -S "${libraries[@]}" "${libraries[@]/#\/usr\/lib\//\/lib\/}" 2>/dev/null)

# The package to add for a library file: its own when it holds development files, else the
# installed development package that depends on it (the real file of libfoo.so.1 belongs to the
# run-time package, which the -dev package brings with the link's symbolic link and headers).
to_add() {
    local package=$1 dev
    [[ $package == *-dev ]] && { echo "$package"; return; }
    dev=$(apt-cache rdepends --installed --no-recommends --no-suggests --no-enhances "$package" |
        sed -n 's/^ *|\?\([^ ]*-dev\)$/\1/p' | head -n 1)
    echo "${dev:-$package}"
}

declare -A reported
faults=0
for link in "${links[@]}"; do
    IFS=$'\t' read -r library target tests <<<"$link"
    [ -z "${reported[$library]+set}" ] || continue
    package=${owners[$library]:-}
    allowed=$build_closure list=BUILD_PACKAGES
    [ "$tests" = yes ] && allowed=$test_closure list=TEST_PACKAGES
    if [ -z "$package" ]; then
        echo "check-build-packages: $library (linked by $target) comes from no Debian package" >&2
    elif ! grep -qxF "$package" <<<"$allowed"; then
        echo "check-build-packages: $library (linked by $target) comes from $package," \
            "which $setup does not install: add $(to_add "$package") to $list" >&2
    else
        continue
    fi
    faults=$((faults + 1)) reported[$library]=1
done
[ $faults -eq 0 ] || exit 1
echo "check-build-packages: every linked library comes from a package $setup installs"
