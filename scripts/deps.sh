#!/usr/bin/env bash
# Installs the Debian packages Tallyvane needs to build, test and run, when missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libsqlcipher-dev sqlcipher libsodium-dev minisign openssl nginx-light curl python3
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth imagemagick desktop-file-utils
  clang libclang-rt-14-dev
  dpkg-dev file lintian appstream man-db groff-base adduser passwd
  pmccabe poppler-utils
  cups cups-client printer-driver-cups-pdf
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
