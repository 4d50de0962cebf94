#!/usr/bin/env bash
# Installs what Cambist needs on Debian 12, and nothing when all is there.
#
#   tools/setup.sh            build, run and test
#   tools/setup.sh --deep     also clang and its sanitizer runtime (fuzzing)
#   tools/setup.sh --bench    also a virtual X server (start-up measurement)
#   tools/setup.sh --package  also what builds and checks the Debian package
#
# Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(
    g++ cmake ninja-build
    qt6-base-dev libgl-dev qt6-l10n-tools qt6-charts-dev libqt6opengl6-dev
    libgtest-dev libbenchmark-dev
    locales fonts-dejavu-core
)
for arg in "$@"; do
    case "$arg" in
        --deep) packages+=(clang libclang-rt-14-dev) ;;
        --bench) packages+=(xvfb xauth libx11-dev procps python3) ;;
        --package) packages+=(dpkg-dev file fakeroot lintian desktop-file-utils appstream) ;;
        *) echo "setup.sh: unknown option '$arg'" >&2; exit 2 ;;
    esac
done

# The number-text tests run under a comma-decimal locale too.
test_locale=de_DE.UTF-8

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "setup.sh: installing needs root or sudo: $*" >&2
        exit 1
    fi
}

missing=()
for pkg in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$pkg")
    fi
done

if [ "${#missing[@]}" -gt 0 ]; then
    echo "setup.sh: installing ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "setup.sh: generating the $test_locale locale"
    as_root sed -i "s/^# *\($test_locale UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$test_locale UTF-8" /etc/locale.gen || echo "$test_locale UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
fi
