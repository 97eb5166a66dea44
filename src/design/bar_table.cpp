#include "design/bar_table.h"

#include <array>
#include <cassert>

namespace vortanex {
namespace {

struct Bar {
  double diameter;
  double area;
};

// Index = bar number; entry 0 is unused, entry 1 holds zeros and is never reached.
constexpr std::array<Bar, BarTable::largestBar + 1> bars{{
    {0.0, 0.0},
    {0.0, 0.0},
    {0.25, static_cast<double>(0.05f)},
    {0.375, static_cast<double>(0.11f)},
    {0.5, static_cast<double>(0.2f)},
    {0.625, static_cast<double>(0.31f)},
    {0.75, static_cast<double>(0.44f)},
    {0.875, static_cast<double>(0.6f)},
    {1.0, static_cast<double>(0.79f)},
    {static_cast<double>(1.128f), 1.0},
    {static_cast<double>(1.27f), static_cast<double>(1.27f)},
    {static_cast<double>(1.41f), static_cast<double>(1.56f)},
}};

static_assert(bars[9].diameter == 1.128000020980835);
static_assert(bars[4].area == 0.20000000298023224);
static_assert(bars[11].area == 1.559999942779541);

}  // namespace

double BarTable::diameter(int bar) {
  assert(bar >= 1 && bar <= largestBar);
  return bars[static_cast<std::size_t>(bar)].diameter;
}

double BarTable::area(int bar) {
  assert(bar >= 1 && bar <= largestBar);
  return bars[static_cast<std::size_t>(bar)].area;
}

}  // namespace vortanex
