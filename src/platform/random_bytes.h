// Unpredictable bytes from the operating system's random source, for secrets such as the
// owner password of a document that only a user password protects.
#pragma once

#include <cstddef>

namespace corvane {

// Fills out with size random bytes. Returns false, with errno set, when the system gives none.
bool RandomBytes(unsigned char* out, std::size_t size);

}  // namespace corvane
