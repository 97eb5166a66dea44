#include "report/field_editing.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>

namespace vortanex {
namespace {

void fillStars(char* out, int width) {
  std::memset(out, '*', static_cast<std::size_t>(width));
}

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

constexpr std::uint64_t powersOfTen[] = {1,      10,      100,      1000,      10000,
                                         100000, 1000000, 10000000, 100000000, 1000000000};

// 10^decimals for decimals 0 to 9.
std::uint64_t powerOfTen(int decimals) {
  return powersOfTen[decimals];
}

// |value| x 10^decimals rounded to a whole number, ties to even, computed exactly from the
// binary value; nullopt when the result needs more than 64 bits (or decimals > 9).
std::optional<std::uint64_t> scaledRounded(double magnitude, int decimals) {
  __extension__ using Wide = unsigned __int128;
  if (decimals < 0 || decimals > 9) return std::nullopt;
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const auto biased = static_cast<int>(bits >> 52);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  // magnitude = mantissa x 2^exponent, exactly
  const std::uint64_t mantissa = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
  const int exponent = biased == 0 ? -1074 : biased - 1075;
  Wide scaled = static_cast<Wide>(mantissa) * powerOfTen(decimals);  // below 2^83
  if (exponent >= 0) {
    if (exponent > 40) return std::nullopt;
    scaled <<= exponent;
    if (scaled >> 64) return std::nullopt;
    return static_cast<std::uint64_t>(scaled);
  }
  const int shift = -exponent;
  if (shift > 100) return 0;  // below half a unit of the last place: rounds to zero
  Wide quotient = scaled >> shift;
  const Wide remainder = scaled - (quotient << shift);
  const Wide half = static_cast<Wide>(1) << (shift - 1);
  if (remainder > half || (remainder == half && (quotient & 1))) ++quotient;
  if (quotient >> 64) return std::nullopt;
  return static_cast<std::uint64_t>(quotient);
}

constexpr char twoDigits[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Decimal digits of `value`, right-aligned to end at `end`; gives the first digit written.
char* putDigits(char* end, std::uint64_t value) {
  while (value >= 100) {
    const std::uint64_t pair = value % 100;
    value /= 100;
    end -= 2;
    end[0] = twoDigits[2 * pair];
    end[1] = twoDigits[2 * pair + 1];
  }
  if (value >= 10) {
    end -= 2;
    end[0] = twoDigits[2 * value];
    end[1] = twoDigits[2 * value + 1];
  } else {
    *--end = static_cast<char>('0' + value);
  }
  return end;
}

// Lays out a rounded magnitude from the right: its decimal digits, the point, its integer
// digits (none when it is below 1), a zero where the field has room, the sign, blanks.
void layOutFixed(char* out, int width, bool minus, std::string_view integerDigits,
                 std::string_view decimalDigits) {
  const auto decimals = static_cast<int>(decimalDigits.size());
  const auto n = static_cast<int>(integerDigits.size());
  if (decimals + 1 + n + (minus ? 1 : 0) > width) {
    fillStars(out, width);
    return;
  }
  char* p = out + width;
  for (auto digit = decimalDigits.rbegin(); digit != decimalDigits.rend(); ++digit) *--p = *digit;
  *--p = '.';
  for (auto digit = integerDigits.rbegin(); digit != integerDigits.rend(); ++digit) *--p = *digit;
  if (n == 0) {
    const int room = width - (decimals + 1);
    if (room >= 2 || (room == 1 && !minus)) *--p = '0';
  }
  if (minus) *--p = '-';
  while (p > out) *--p = ' ';
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

  const bool negative = std::signbit(value);
  const double magnitude = std::fabs(value);
  // Both paths round the exact binary value to `decimals` places, ties to even.
  if (const std::optional<std::uint64_t> scaled = scaledRounded(magnitude, decimals)) {
    char digits[24];
    char* const end = digits + sizeof digits;
    char* first = putDigits(end, *scaled);
    while (end - first < decimals + 1) *--first = '0';  // at least "0.ddd"
    const char* point = end - decimals;
    const std::string_view integerDigits =
        *scaled < powerOfTen(decimals)
            ? std::string_view{}
            : std::string_view(first, static_cast<std::size_t>(point - first));
    layOutFixed(out, width, negative && *scaled != 0, integerDigits,
                std::string_view(point, static_cast<std::size_t>(decimals)));
    return;
  }

  std::array<char, 400> buffer;  // the largest double has 309 integer digits
  const auto [last, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                        std::chars_format::fixed, decimals);
  if (ec != std::errc{}) {
    fillStars(out, width);
    return;
  }
  const std::string_view rounded(buffer.data(), static_cast<std::size_t>(last - buffer.data()));
  const std::size_t point = rounded.find('.');
  std::string_view integerDigits = rounded.substr(0, point);
  if (integerDigits == "0") integerDigits = {};
  const bool roundsToZero = rounded.find_first_not_of("0.") == std::string_view::npos;
  layOutFixed(out, width, negative && !roundsToZero, integerDigits,
              point == std::string_view::npos ? std::string_view{} : rounded.substr(point + 1));
}

void editIntegerInto(char* out, std::int32_t value, int width) {
  if (value >= 0 && value < 100 && width == 2) {  // every count and bar size of a report row
    out[0] = value < 10 ? ' ' : twoDigits[2 * value];
    out[1] = twoDigits[2 * value + 1];
    return;
  }
  std::array<char, 16> digits;
  char* const end = digits.data() + digits.size();
  const std::int64_t wide = value;
  char* first = putDigits(end, static_cast<std::uint64_t>(wide < 0 ? -wide : wide));
  if (wide < 0) *--first = '-';
  const auto length = static_cast<int>(end - first);
  if (length > width) {
    fillStars(out, width);
    return;
  }
  std::memset(out, ' ', static_cast<std::size_t>(width - length));
  std::memcpy(out + (width - length), first, static_cast<std::size_t>(length));
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

std::string editText(std::string_view text) {
  return std::string(text);
}

}  // namespace vortanex
