#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing need, when missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-qpa-plugins
    libgl-dev libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format clang-tidy
    xvfb xauth fonts-noto-cjk fonts-liberation2 locales time qt6-translations-l10n poppler-utils
)
for option in "$@"; do
    case "$option" in
    --gui) packages+=(imagemagick) ;;
    # The Windows programs: a MinGW-w64 cross build, NSIS, and Wine with a
    # window manager and xdotool to drive the program as a user.
    --windows) packages+=(wine wine64 g++-mingw-w64-x86-64-posix mingw-w64 nsis openbox xdotool) ;;
    # The Debian package's checks: lintian, and the desktop files' validators.
    --package) packages+=(lintian desktop-file-utils appstream) ;;
    *)
        echo "usage: scripts/deps.sh [--gui] [--windows] [--package]" >&2
        exit 2
        ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Please run as root (or install these packages yourself): ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# A comma-decimal locale, so the tests can show that number parsing ignores the locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    if [ "$(id -u)" -eq 0 ] && command -v localedef >/dev/null; then
        localedef -i de_DE -f UTF-8 de_DE.UTF-8 || true
    fi
fi
