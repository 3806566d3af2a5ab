// What the document needs of libharu that its public interface does not offer: writing
// operators straight into a content stream, making form XObjects, retitling an outline entry.
// Each reaches into libharu's private structures, which may change from one version to the
// next, so libharu_internals.cpp alone uses them, and the build refuses a libharu it was not
// verified against (2.3.x; cmake/libharu_version.cmake).
#pragma once

#include <hpdf.h>

#include <cstddef>
#include <string>

namespace corvane {

// Appends bytes to the page's content stream.
void WriteToPage(HPDF_Page page, const char* bytes, std::size_t size);

// A new form XObject of the page holding the content, clipped to the square from -half to
// half on both axes and compressed as the page's content is; returns the name the page's
// resources give it, or null after a library error.
const char* AddForm(HPDF_Page page, float half, const std::string& content);

// Replaces the title of an outline entry, for which the library has no call.
void RetitleOutline(HPDF_Outline entry, const std::string& title);

}  // namespace corvane
