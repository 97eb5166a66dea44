#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "design/span_sweep.h"

// The two 59-character report lines whose fields are overwritten in place.
namespace vortanex {

inline constexpr int templateLineLength = 59;

struct CaseValues {
  double wheelLoad = 0;
  double concreteStress = 0;
  double steelStress = 0;
  int modularRatio = 0;
  double topCover = 0;
  double pavingAllowance = 0;
  double continuityFactor = 0;
};

// " xxx.xx  xxx.xxx  xxx.xxx xxx  xx.xxx   xx.xxx       x.x   "
class ParameterLine {
 public:
  ParameterLine();
  void fill(const CaseValues& values);
  std::string_view text() const { return {chars_.data(), chars_.size()}; }

 private:
  std::array<char, templateLineLength> chars_;
};

// Remembers recent fixed-point fields of one shape. The slab thickness and the spacing of a
// report take few distinct values, so most rows copy their fields instead of editing them.
class FixedFieldMemo {
 public:
  FixedFieldMemo(int width, int decimals);
  // Writes exactly what editFixedInto(out, value, width, decimals) writes.
  void edit(char* out, double value);

 private:
  static constexpr std::size_t slots = 64;
  struct Slot {
    std::uint64_t bits = 0;
    bool used = false;
    std::array<char, 16> field{};
  };
  int width_;
  int decimals_;
  std::array<Slot, slots> slots_{};
};

// "  xx-xx    xx.xxxx xx.xxx    #xx at xx.xxx  xx-#xx  xx-#xx "
class RowLine {
 public:
  RowLine();
  void fill(const SpanResult& result);
  std::string_view text() const { return {chars_.data(), chars_.size()}; }

 private:
  std::array<char, templateLineLength> chars_;
  FixedFieldMemo thickness_{6, 3};
  FixedFieldMemo spacing_{6, 3};
};

}  // namespace vortanex
