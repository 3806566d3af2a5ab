#!/usr/bin/env bash
# Installs, from Debian's packages, whatever Corvane's build, tests and demo need and the machine lacks.
# Usage: scripts/install-deps.sh [--fuzz | --bench | --package]
#   --fuzz adds clang with its libFuzzer runtime; --bench adds what the benchmark measures with
#   and gnuplot, which it compares Corvane against; --package what CPack needs for the Debian package.
set -euo pipefail

packages=(cmake g++ make libhpdf-dev zlib1g-dev libgtest-dev qpdf poppler-utils)
case "${1:-}" in
  --fuzz) packages+=(clang libclang-rt-dev) ;;
  --bench) packages+=(python3 time gnuplot-nox) ;;
  --package) packages+=(dpkg-dev file) ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
