#pragma once

#include <vector>

#include "report/clock.h"

namespace vortanex::testing {

// Gives the readings in turn, then repeats the last one.
class FixedClock final : public Clock {
 public:
  explicit FixedClock(CivilTime time) : readings_{time} {}
  explicit FixedClock(std::vector<CivilTime> readings) : readings_(std::move(readings)) {}
  CivilTime now() override {
    const CivilTime reading = readings_[next_];
    if (next_ + 1 < readings_.size()) ++next_;
    ++calls;
    return reading;
  }
  int calls = 0;

 private:
  std::vector<CivilTime> readings_;
  std::size_t next_ = 0;
};

// 5 March 2009, 09:04:07.
inline constexpr CivilTime fixedInstant{2009, 3, 5, 9, 4, 7};

}  // namespace vortanex::testing
