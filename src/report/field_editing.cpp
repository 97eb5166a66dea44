#include "report/field_editing.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace vortanex {
namespace {

void fillStars(char* out, int width) { std::memset(out, '*', static_cast<std::size_t>(width)); }

// Right-justifies `text` in `width` characters, or asterisks when it does not fit.
void placeRight(char* out, int width, std::string_view text) {
  const auto length = static_cast<int>(text.size());
  if (length > width) {
    fillStars(out, width);
    return;
  }
  std::memset(out, ' ', static_cast<std::size_t>(width - length));
  std::memcpy(out + (width - length), text.data(), text.size());
}

}  // namespace

void editFixedInto(char* out, double value, int width, int decimals) {
  if (std::isnan(value)) {
    if (width < 4) {
      fillStars(out, width);
      return;
    }
    std::memset(out, ' ', static_cast<std::size_t>(width));
    std::memcpy(out + 1, "NaN", 3);
    return;
  }
  if (std::isinf(value)) {
    placeRight(out, width, value < 0 ? "-Infinity" : "Infinity");
    return;
  }

  // The largest double has 309 integer digits; the decimals used here are few.
  std::array<char, 400> digits;
  const double magnitude = std::fabs(value);
  const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude,
                                       std::chars_format::fixed, decimals);
  if (ec != std::errc{}) {
    fillStars(out, width);
    return;
  }
  std::string_view rounded(digits.data(), static_cast<std::size_t>(end - digits.data()));
  // to_chars gives "I.DDD" (or "I" without decimals); split into integer and decimal digits.
  const std::size_t point = rounded.find('.');
  std::string_view integerDigits = rounded.substr(0, point);
  std::string_view decimalDigits =
      point == std::string_view::npos ? std::string_view{} : rounded.substr(point + 1);

  const bool roundsToZero = rounded.find_first_not_of("0.") == std::string_view::npos;
  const bool minus = std::signbit(value) && !roundsToZero;
  if (integerDigits == "0") integerDigits = {};
  const int n = static_cast<int>(integerDigits.size());

  const int needed = decimals + 1 + n + (minus ? 1 : 0);
  if (needed > width) {
    fillStars(out, width);
    return;
  }
  std::memset(out, ' ', static_cast<std::size_t>(width));
  char* p = out + width;
  p -= decimalDigits.size();
  decimalDigits.copy(p, decimalDigits.size());
  *--p = '.';
  p -= integerDigits.size();
  integerDigits.copy(p, integerDigits.size());
  if (n == 0) {
    const int room = width - (decimals + 1);
    if (room >= 2 || (room == 1 && !minus)) *--p = '0';
  }
  if (minus) *--p = '-';
}

void editIntegerInto(char* out, std::int32_t value, int width) {
  std::array<char, 16> digits;
  const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  (void)ec;  // 16 characters always hold a 32-bit integer
  placeRight(out, width,
             std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data())));
}

std::string editFixed(double value, int width, int decimals) {
  std::string field(static_cast<std::size_t>(width), ' ');
  editFixedInto(field.data(), value, width, decimals);
  return field;
}

std::string editInteger(std::int32_t value, int width) {
  std::string field(static_cast<std::size_t>(width), ' ');
  editIntegerInto(field.data(), value, width);
  return field;
}

std::string editText(std::string_view text, int width) {
  const auto w = static_cast<std::size_t>(width);
  if (text.size() >= w) return std::string(text.substr(0, w));
  std::string field(w - text.size(), ' ');
  field.append(text);
  return field;
}

std::string editText(std::string_view text) { return std::string(text); }

}  // namespace vortanex
