#include <chrono>
#include <ctime>

#include "report/clock.h"

namespace vortanex {

CivilTime SystemClock::now() {
  const std::time_t seconds =
      std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  if (localtime_r(&seconds, &local) == nullptr) return CivilTime{};
  return CivilTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                   local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace vortanex
