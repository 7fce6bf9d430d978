#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Kelvane need,
# and only those that are missing. Safe to run again and again.
set -euo pipefail

packages=(
  g++ make cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-svg-dev
  # the translations: lupdate, lrelease and their CMake functions; Qt's own
  # German (and other) texts for the standard buttons and dialogs
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation
  # the locale sources: a test makes a locale with a decimal comma
  locales
  clang-format-14 clang-tidy-14 cppcheck
  clang libclang-rt-14-dev
  # make package: dpkg-shlibdeps, dpkg-buildflags and file; lintian checks the package
  dpkg-dev file lintian
  # the validators and readers the tests of the installed tree run
  desktop-file-utils appstream shared-mime-info libglib2.0-bin groff-base man-db bash
  # the accessibility check: the program read through the AT-SPI bus
  xvfb xauth dbus at-spi2-core python3-pyatspi
  # the JSON outputs are validated against their schemas
  python3 python3-jsonschema
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# A fresh machine has no package lists yet; refresh them before the first install.
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
