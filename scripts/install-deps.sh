#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing QuorKit need.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcurl4-openssl-dev
  fonts-arphic-uming fonts-unifont unifont
  clang-format
  binutils srecord
  desktop-file-utils appstream dpkg-dev
  clang libclang-rt-14-dev
  python3 groff-base
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  sudo_cmd=()
elif command -v sudo >/dev/null; then
  sudo_cmd=(sudo)
else
  echo "Missing packages (${missing[*]}) and neither root nor sudo is available." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
