// Wall-clock time for the log stamps and the document's creation date. Behind an interface
// so tests can fix the time.
#pragma once

namespace corvane {

struct DateTime {
  int year = 0;
  int month = 0;   // 1..12
  int day = 0;     // 1..31
  int hour = 0;    // 0..23
  int minute = 0;  // 0..59
  int second = 0;  // 0..59
};

// One instant read both ways, so the offset between them is exact.
struct Moment {
  DateTime local;
  DateTime utc;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual Moment Now() const = 0;
};

class SystemClock final : public Clock {
 public:
  Moment Now() const override;
};

}  // namespace corvane
