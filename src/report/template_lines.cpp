#include "report/template_lines.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "report/field_editing.h"

namespace vortanex {
namespace {

constexpr std::string_view parameterTemplate =
    " xxx.xx  xxx.xxx  xxx.xxx xxx  xx.xxx   xx.xxx       x.x   ";
constexpr std::string_view rowTemplate =
    "  xx-xx    xx.xxxx xx.xxx    #xx at xx.xxx  xx-#xx  xx-#xx ";
static_assert(parameterTemplate.size() == templateLineLength);
static_assert(rowTemplate.size() == templateLineLength);

// Columns are counted from 1, as on the printed page.
template <std::size_t N>
char* at(std::array<char, N>& chars, int column) {
  return chars.data() + (column - 1);
}

}  // namespace

ParameterLine::ParameterLine() {
  std::copy(parameterTemplate.begin(), parameterTemplate.end(), chars_.begin());
}

void ParameterLine::fill(const CaseValues& v) {
  editFixedInto(at(chars_, 2), v.wheelLoad, 6, 2);
  editFixedInto(at(chars_, 10), v.concreteStress, 7, 3);
  editFixedInto(at(chars_, 19), v.steelStress, 7, 3);
  editIntegerInto(at(chars_, 27), v.modularRatio, 3);
  editFixedInto(at(chars_, 32), v.topCover, 6, 3);
  editFixedInto(at(chars_, 41), v.pavingAllowance, 6, 3);
  editFixedInto(at(chars_, 54), v.continuityFactor, 3, 1);
}

FixedFieldMemo::FixedFieldMemo(int width, int decimals) : width_(width), decimals_(decimals) {}

void FixedFieldMemo::edit(char* out, double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  if (static_cast<std::size_t>(width_) > Slot{}.field.size()) {
    editFixedInto(out, value, width_, decimals_);
    return;
  }
  Slot& slot = slots_[(bits ^ (bits >> 29) ^ (bits >> 47)) % slots];
  if (!slot.used || slot.bits != bits) {
    editFixedInto(slot.field.data(), value, width_, decimals_);
    slot.bits = bits;
    slot.used = true;
  }
  std::memcpy(out, slot.field.data(), static_cast<std::size_t>(width_));
}

RowLine::RowLine() {
  std::copy(rowTemplate.begin(), rowTemplate.end(), chars_.begin());
}

void RowLine::fill(const SpanResult& r) {
  editIntegerInto(at(chars_, 3), r.span.feet, 2);
  editIntegerInto(at(chars_, 6), r.span.inches, 2);
  editFixedInto(at(chars_, 12), r.minimumThickness, 7, 4);
  thickness_.edit(at(chars_, 20), r.thickness);
  editIntegerInto(at(chars_, 31), r.mainBar, 2);
  spacing_.edit(at(chars_, 37), r.mainSpacing);
  editIntegerInto(at(chars_, 45), r.middleHalfBars, 2);
  editIntegerInto(at(chars_, 49), r.distributionBar, 2);
  editIntegerInto(at(chars_, 53), r.outerQuarterBars, 2);
  editIntegerInto(at(chars_, 57), r.distributionBar, 2);
}

}  // namespace vortanex
