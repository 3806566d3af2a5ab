# What `cpack -G DEB` builds: a Debian package of the executable and its manual page.
# dpkg-shlibdeps finds libhpdf, zlib (whose compression level the executable sets itself) and
# the C runtime from the executable; the C++ runtime is linked in. cairo, fontconfig and FreeType
# are loaded only when a PNG or SVG is drawn, so they and the fonts drawn for the standard ones
# are named here; so are FreeType, fontconfig and DejaVu, which draw the texts beyond Windows-1252
# (Greek, Cyrillic and the other European scripts) in every format.
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tessaly <corvane@tessaly.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.tessaly.example/corvane")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "command-line chart generator writing one-page PDF, PNG and SVG charts")
set(CPACK_PACKAGE_DESCRIPTION "Corvane turns one command line into a one-page PDF chart, or a PNG or SVG
of it: bar, line, area or pie, with headings, axes, captions, scale labels,
grid, legends and reference lines. Data come from the command line or from delimited text
files; options files hold reusable settings. See corvane(1).")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcairo2, libfontconfig1, libfreetype6, fonts-urw-base35")
set(CPACK_STRIP_FILES ON)
include(CPack)
