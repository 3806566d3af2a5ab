# src/pdf/libharu_internals.cpp reaches into libharu's private structures, which may change from
# one version to the next, so the build takes only a libharu it was verified against: 2.3.x.
# CMakeLists.txt includes this once HPDF_INCLUDE_DIR is found; `cmake -DHPDF_INCLUDE_DIR=DIR -P
# cmake/libharu_version.cmake` makes the same check alone.
set(_hpdf_version "")
if(EXISTS "${HPDF_INCLUDE_DIR}/hpdf_version.h")
  file(STRINGS "${HPDF_INCLUDE_DIR}/hpdf_version.h" _hpdf_version_line REGEX "^#define HPDF_VERSION_TEXT ")
  if(_hpdf_version_line MATCHES "\"([^\"]*)\"")
    set(_hpdf_version "${CMAKE_MATCH_1}")
  endif()
endif()
if(NOT _hpdf_version MATCHES "^2\\.3\\.")
  if(_hpdf_version STREQUAL "")
    set(_hpdf_version "of no known version")
  endif()
  message(FATAL_ERROR
    "Corvane needs libharu 2.3.x, but found libharu ${_hpdf_version} in ${HPDF_INCLUDE_DIR}.\n"
    "src/pdf/libharu_internals.cpp reaches into libharu's private structures and is verified "
    "against 2.3 only. Install Debian's libhpdf-dev (scripts/install-deps.sh), or name a libharu "
    "2.3 with -DHPDF_INCLUDE_DIR=... -DHPDF_LIBRARY=...")
endif()
