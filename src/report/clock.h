#pragma once

// The local wall clock, behind a seam so tests can set the instant.
namespace vortanex {

struct CivilTime {
  int year = 2000;  // full year, e.g. 2009
  int month = 1;    // 1..12
  int day = 1;      // 1..31
  int hour = 0;     // 0..23
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual CivilTime now() = 0;
};

// Reads the local date and time of day from the operating system.
class SystemClock final : public Clock {
 public:
  CivilTime now() override;
};

}  // namespace vortanex
