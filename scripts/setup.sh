#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and testing TovrinCALC needs on Debian 12 or Ubuntu:
# the compiler and CMake, Qt 6, GoogleTest, nlohmann-json, what the window
# tests and screenshots use (Xvfb, a Ukrainian locale with the decimal comma),
# and what making and checking the Debian package uses (dpkg-shlibdeps, file,
# the desktop entry and AppStream validators, groff for the manual pages).
set -euo pipefail

packages=(build-essential cmake qt6-base-dev libgl-dev libgtest-dev libgmock-dev nlohmann-json3-dev
          libbenchmark-dev locales fonts-liberation fonts-dejavu-core
          dpkg-dev file desktop-file-utils appstream groff-base)

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
