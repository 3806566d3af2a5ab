// libharu compresses every stream by asking zlib for its default level (6). On chart pages,
// long runs of path operators, the fastest level takes a fifth of the time for about a sixth
// more bytes, and compression is most of a large chart's cost. libharu offers no setting for
// the level, so the program supplies zlib's entry point itself and forwards it with level 1;
// the dynamic linker binds libharu's call to this definition before zlib's own.
#include <zlib.h>

extern "C" int deflateInit_(z_streamp stream, int /*level*/, const char* version, int streamSize) {
  return deflateInit2_(stream, Z_BEST_SPEED, Z_DEFLATED, MAX_WBITS, 8, Z_DEFAULT_STRATEGY, version,
                       streamSize);
}
