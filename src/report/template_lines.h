#pragma once

#include <array>
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

// "  xx-xx    xx.xxxx xx.xxx    #xx at xx.xxx  xx-#xx  xx-#xx "
class RowLine {
 public:
  RowLine();
  void fill(const SpanResult& result);
  std::string_view text() const { return {chars_.data(), chars_.size()}; }

 private:
  std::array<char, templateLineLength> chars_;
};

}  // namespace vortanex
