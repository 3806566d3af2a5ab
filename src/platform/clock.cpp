#include "platform/clock.h"

#include <ctime>

namespace corvane {
namespace {

DateTime FromTm(const std::tm& tm) {
  return DateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                  tm.tm_hour,        tm.tm_min,     tm.tm_sec > 59 ? 59 : tm.tm_sec};
}

}  // namespace

Moment SystemClock::Now() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  std::tm utc{};
  localtime_r(&now, &local);
  gmtime_r(&now, &utc);
  return Moment{FromTm(local), FromTm(utc)};
}

}  // namespace corvane
