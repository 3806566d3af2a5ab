#!/usr/bin/env bash
# Installs, from Debian's packages, whatever Corvane's build, tests and demo need and the machine lacks.
# Usage: scripts/install-deps.sh [--fuzz | --bench | --package | --gallery]
#   --fuzz adds clang with its libFuzzer runtime; --bench adds what the benchmark measures with,
#   gnuplot, which it compares Corvane against, and a CJK font for its Chinese chart; --package
#   what CPack needs for the Debian package; --gallery the CJK font for the gallery's chart.
# It acts only when it must and can: on a machine without Debian's package tools it looks for
# what each package provides, and fails only when something is missing.
set -euo pipefail

# cairo draws PNG and SVG with the standard fonts' free equivalents (fonts-urw-base35), found
# through fontconfig; the tests rasterise the SVG with rsvg-convert (librsvg2-bin). fontconfig and
# FreeType find and read the TrueType fonts of texts beyond Windows-1252; DejaVu draws Greek,
# Cyrillic and the other European scripts.
packages=(cmake g++ make pkg-config libhpdf-dev zlib1g-dev libcairo2-dev libfontconfig-dev libfreetype-dev
          fonts-urw-base35 fonts-dejavu-core libgtest-dev qpdf libqpdf-dev poppler-utils librsvg2-bin)
case "${1:-}" in
  --fuzz) packages+=(clang libclang-rt-dev) ;;
  --bench) packages+=(python3 time gnuplot-nox fonts-wqy-zenhei) ;;
  --package) packages+=(dpkg-dev file) ;;
  --gallery) packages+=(fontconfig fonts-wqy-zenhei) ;;
esac

# Whether a C++ program read from standard input compiles and links with the given options.
links() { "${CXX:-c++}" -x c++ - -o /dev/null "$@" >/dev/null 2>&1; }

# Whether what the build needs from a package is there, asked of the machine itself.
provided() {
  case "$1" in
    g++) command -v g++ ;;
    libhpdf-dev) links -lhpdf <<<'#include <hpdf.h>
int main() { HPDF_Free(HPDF_New(nullptr, nullptr)); }' ;;
    zlib1g-dev) links -lz <<<'#include <zlib.h>
int main() { return zlibVersion() == nullptr; }' ;;
    libcairo2-dev) links $(pkg-config --cflags --libs cairo) <<<'#include <cairo.h>
int main() { return cairo_version() == 0; }' ;;
    libfontconfig-dev) links $(pkg-config --cflags --libs fontconfig) <<<'#include <fontconfig/fontconfig.h>
int main() { return FcGetVersion() == 0; }' ;;
    fonts-urw-base35) [ -n "$(fc-list 'Nimbus Sans' file)" ] ;;
    librsvg2-bin) command -v rsvg-convert ;;
    libfreetype-dev) pkg-config --exists freetype2 ;;
    fonts-dejavu-core) [ -n "$(fc-list 'DejaVu Sans' file)" ] ;;
    fonts-wqy-zenhei) [ -n "$(fc-list :lang=zh file)" ] ;;
    libgtest-dev) links -lgtest -pthread <<<'#include <gtest/gtest.h>
int main(int argc, char** argv) { testing::InitGoogleTest(&argc, argv); }' ;;
    libqpdf-dev) links -lqpdf -DPOINTERHOLDER_TRANSITION=4 <<<'#include <qpdf/QPDFJob.hh>
int main() { QPDFJob job; }' ;;
    poppler-utils) command -v pdfinfo && command -v pdftotext && command -v pdftoppm ;;
    libclang-rt-dev) CXX=clang++ links -fsanitize=fuzzer <<<'#include <cstddef>
#include <cstdint>
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }' ;;
    time) test -x /usr/bin/time ;;
    gnuplot-nox) command -v gnuplot ;;
    dpkg-dev) command -v dpkg-shlibdeps ;;
    *) command -v "$1" ;;
  esac
}

missing=()
for p in "${packages[@]}"; do
  if command -v dpkg-query >/dev/null; then
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  else
    provided "$p" >/dev/null 2>&1 || missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
if ! command -v apt-get >/dev/null || { [[ -n $sudo ]] && ! command -v sudo >/dev/null; }; then
  echo "install-deps.sh: missing ${missing[*]} (Debian's package names), and no apt-get with root" \
       "or sudo to install them here: install them, or what they provide, by other means" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
