#include "platform/random_bytes.h"

#include <cerrno>
#include <cstdlib>

#ifdef __linux__
#include <sys/random.h>
#endif

namespace corvane {

bool RandomBytes(unsigned char* out, std::size_t size) {
#ifdef __linux__
  // A read of up to 256 bytes from a ready pool is never short, but a signal may interrupt it.
  while (size > 0) {
    const ssize_t got = getrandom(out, size, 0);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    out += got;
    size -= static_cast<std::size_t>(got);
  }
#else
  arc4random_buf(out, size);
#endif
  return true;
}

}  // namespace corvane
