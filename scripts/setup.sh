# Sourced by run.sh and test.sh: installs with apt-get whatever of the given Debian packages is
# missing, so a bare Debian 12 root with only apt can build, run and test Quorvit.

# Build tools, Qt 6 Widgets and SVG, Qt's translation tools (lupdate and lrelease from
# qt6-l10n-tools, their CMake functions from qt6-tools-dev) for the English catalogue, dxflib,
# libxlsxwriter and the zlib it links (its -dev package does not bring zlib's), minizip (reading
# xlsx line lists; libxlsxwriter writes with the same library), and the CJK faces the windows are
# drawn with.
# Every library the build links must come from these or their dependencies
# (scripts/check-build-packages.sh).
BUILD_PACKAGES=(g++ make cmake pkg-config libgl-dev qt6-base-dev qt6-svg-dev qt6-tools-dev
    qt6-l10n-tools libdxflib-dev libxlsxwriter-dev zlib1g-dev libminizip-dev
    fonts-noto-cjk fonts-arphic-ukai fonts-arphic-uming fonts-wqy-microhei qt6-translations-l10n)

# What the test command needs beyond that: clang with libFuzzer and the sanitizer runtimes,
# Google Benchmark for the benchmark programs it builds, independent readers of what the program
# writes (ezdxf for DXF, openpyxl for xlsx, poppler-utils for PDF text and pages), LibreCAD to
# print the DXF drawings as a CAD user would, and the locales with
# which a test proves that number reading ignores the locale (ensure_test_locale generates
# de_DE.UTF-8).
TEST_PACKAGES=(clang libclang-rt-14-dev libbenchmark-dev python3-ezdxf python3-openpyxl
    poppler-utils librecad locales)

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Generates de_DE.UTF-8 (decimal comma) when it is missing; needs the locales package.
ensure_test_locale() {
    locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8' && return 0
    echo "Generating the locale de_DE.UTF-8"
    local sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    if grep -q '^# *de_DE.UTF-8 UTF-8' /etc/locale.gen; then
        $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    elif ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen; then
        echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    fi
    $sudo locale-gen >/dev/null
}
