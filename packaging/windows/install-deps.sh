#!/usr/bin/env bash
# Installs the Debian packages the Windows build and its tests need; quick when all are there.
set -euo pipefail

packages=(
    # The MinGW-w64 cross compiler (posix threads: std::thread and std::mutex in libstdc++)
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    # Qt's host tools (moc, rcc, uic) and CMake files the cross build of Qt uses, the build
    # system, dpkg-source for `apt-get source`, Qt's Hungarian texts
    qt6-base-dev qt6-base-dev-tools cmake ninja-build dpkg-dev qt6-translations-l10n
    # The installer, the portable zip, the Start-menu icons (.ico from the menu's PNGs)
    nsis zip icoutils
    # The tests: Wine on a virtual display, its windows found and answered (xdotool), their
    # screenshots (xwd, then PNG with netpbm), the portable zip unpacked, the PDFs read back
    # (pdftotext -bbox) and compared (python3); and the faces the slips fall back to
    wine wine64 xvfb xauth x11-apps x11-utils xdotool unzip netpbm poppler-utils python3
    fontconfig fonts-liberation fonts-dejavu-core
    # GoogleTest's source for the Windows test executables
    googletest
)

bash "$(dirname "$0")/../../scripts/apt-install.sh" "${packages[@]}"
