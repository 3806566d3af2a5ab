// Writing a whole document to a stream such as standard output, which may be a pipe whose
// reader has gone: that write must fail with its error, not end the process by SIGPIPE.
#pragma once

#include <cstdio>
#include <string_view>

namespace corvane {

// Writes the bytes and flushes the stream. Returns 0, or the system's error number (EPIPE
// when the reader has closed its end). SIGPIPE is held back from the calling thread meanwhile.
int WriteWhole(std::FILE* stream, std::string_view bytes);

}  // namespace corvane
