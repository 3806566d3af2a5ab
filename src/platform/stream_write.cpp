#include "platform/stream_write.h"

#include <signal.h>

#include <cerrno>
#include <ctime>

namespace corvane {

int WriteWhole(std::FILE* stream, std::string_view bytes) {
  sigset_t pipe, previous;
  sigemptyset(&pipe);
  sigaddset(&pipe, SIGPIPE);
  pthread_sigmask(SIG_BLOCK, &pipe, &previous);
  errno = 0;
  const bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() && std::fflush(stream) == 0;
  const int error = written ? 0 : errno != 0 ? errno : EIO;
  // The signal the failed write raised waits, held back; it is taken so that it never arrives.
  if (error == EPIPE && !sigismember(&previous, SIGPIPE)) {
    const timespec now{};
    sigtimedwait(&pipe, nullptr, &now);
  }
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  return error;
}

}  // namespace corvane
