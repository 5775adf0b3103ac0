#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, run and test; quick when all are there.
set -euo pipefail

packages=(
    # The build: compiler, CMake with Ninja and ccache, Qt 6 Widgets and PrintSupport (their
    # CMake files need the OpenGL headers), the platform plugins, GoogleTest, Google Benchmark
    g++ cmake ninja-build ccache
    qt6-base-dev qt6-qpa-plugins libqt6printsupport6 libgl-dev
    # Qt's own dialog texts in Hungarian (qtbase_hu.qm)
    qt6-translations-l10n
    libgtest-dev libbenchmark-dev
    # The libFuzzer targets: clang and its fuzzer and sanitizer runtimes
    clang libclang-rt-14-dev
    # The print tests read PDFs back with poppler; the slip and listing faces need these fonts
    poppler-utils fonts-liberation fonts-dejavu-core
    # A virtual display to try a program on a machine without one (xvfb-run); a window manager
    # and X tools for the test that reads where the framed main window stands
    xvfb xauth openbox x11-utils
    # CUPS: libcups for the print surface's delivery check; a private scheduler and its
    # command-line tools for the tests that print through a real spooler
    libcups2-dev cups-daemon cups-client
    # The Debian package and its checks (scripts/package.sh, scripts/check-package.sh):
    # dpkg-shlibdeps and dpkg-buildflags, file for CPack, and the three validators.
    dpkg-dev file desktop-file-utils appstream lintian
)

bash "$(dirname "$0")/apt-install.sh" "${packages[@]}"
