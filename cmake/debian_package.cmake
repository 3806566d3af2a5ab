# What `cpack -G DEB` builds: a Debian package of the executable and its manual page.
# dpkg-shlibdeps finds libhpdf, zlib (whose compression level the executable sets itself) and
# the C runtime from the executable; the C++ runtime is linked in. FreeType and fontconfig are
# opened only when a text needs them, so shlibdeps cannot see them: they are named here, with
# DejaVu for Greek, Cyrillic and the other European scripts.
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tessaly <corvane@tessaly.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.tessaly.example/corvane")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "command-line chart generator writing one-page PDF charts")
set(CPACK_PACKAGE_DESCRIPTION "Corvane turns one command line into a one-page PDF chart: bar, line, area
or pie, with headings, axes, captions, scale labels, grid, legends and
reference lines. Data come from the command line or from delimited text
files; options files hold reusable settings. See corvane(1).")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libfreetype6, libfontconfig1, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fonts-wqy-zenhei")
set(CPACK_STRIP_FILES ON)
include(CPack)
