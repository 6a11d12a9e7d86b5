#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and testing TovrinCALC needs on Debian 12 or Ubuntu:
# the compiler and CMake, Qt 6, GoogleTest, nlohmann-json, GMP, what the window
# tests and screenshots use (Xvfb, a Ukrainian locale with the decimal comma,
# pdftotext to read an exported document back), Qt's own translations (the
# file dialog and message boxes in Ukrainian and Russian), and what making and
# checking the Debian package uses (dpkg-shlibdeps, file, the desktop entry and
# AppStream validators, groff for the manual pages).
set -euo pipefail

packages=(build-essential cmake qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libgmock-dev nlohmann-json3-dev
          libbenchmark-dev libgmp-dev libfontconfig-dev pkg-config locales fonts-liberation fonts-dejavu-core qt6-translations-l10n
          dpkg-dev file desktop-file-utils appstream groff-base poppler-utils)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The tests run the number conversions once under a locale with the decimal comma.
if ! locale -a 2>/dev/null | grep -qi '^uk_UA\.utf-\?8$'; then
    $sudo sed -i 's/^# *uk_UA.UTF-8 UTF-8/uk_UA.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^uk_UA.UTF-8 UTF-8' /etc/locale.gen || echo 'uk_UA.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
fi

# Where Clang is installed, the fuzz targets (scripts/fuzz-check.sh) need its
# libFuzzer runtime: libclang-rt-N-dev on Debian 12, inside
# libclang-common-N-dev on older releases.
if command -v clang++ >/dev/null 2>&1; then
    major="$(clang++ -dumpversion | cut -d. -f1)"
    for p in "libclang-rt-$major-dev" "libclang-common-$major-dev"; do
        if dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            break
        fi
        if apt-cache show "$p" >/dev/null 2>&1; then
            DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$p" >/dev/null
            break
        fi
    done
fi
