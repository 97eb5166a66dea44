#include "run/answer_fields.h"

#include <charconv>
#include <cstdlib>
#include <string>

namespace vortanex {
namespace {

// The field's first `width` characters with the blanks taken out.
std::string nonBlank(std::string_view line, std::size_t width) {
  std::string kept;
  for (const char c : line.substr(0, width)) {
    if (c != ' ') kept.push_back(c);
  }
  return kept;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isSign(char c) {
  return c == '+' || c == '-';
}
bool isExponentLetter(char c) {
  switch (c) {
    case 'E':
    case 'e':
    case 'D':
    case 'd':
    case 'Q':
    case 'q':
      return true;
    default:
      return false;
  }
}

// Appends an optionally signed run of digits starting at `pos`; false if there is no digit.
bool takeSignedDigits(const std::string& field, std::size_t& pos, std::string& out) {
  if (pos < field.size() && isSign(field[pos])) {
    if (field[pos] == '-') out.push_back('-');
    ++pos;
  }
  const std::size_t first = pos;
  while (pos < field.size() && isDigit(field[pos])) out.push_back(field[pos++]);
  return pos > first;
}

}  // namespace

std::optional<int> readCountField(std::string_view line) {
  const std::string field = nonBlank(line, countFieldWidth);
  if (field.empty()) return 0;
  std::size_t pos = 0;
  std::string digits;
  if (!takeSignedDigits(field, pos, digits) || pos != field.size()) return std::nullopt;
  int value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);  // two characters fit
  return value;
}

std::optional<double> readValueField(std::string_view line) {
  const std::string field = nonBlank(line, valueFieldWidth);
  if (field.empty()) return 0.0;

  // Rewrite the field as "[-]mantissa[e[-]exponent]", the form from_chars reads.
  std::string normal;
  std::size_t pos = 0;
  if (isSign(field[pos])) {
    if (field[pos] == '-') normal.push_back('-');
    ++pos;
  }
  std::size_t mantissaDigits = 0;
  bool point = false;
  for (; pos < field.size(); ++pos) {
    const char c = field[pos];
    if (isDigit(c)) {
      ++mantissaDigits;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
    normal.push_back(c);
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (pos < field.size()) {
    if (isExponentLetter(field[pos]))
      ++pos;
    else if (!isSign(field[pos]))
      return std::nullopt;
    normal.push_back('e');
    if (!takeSignedDigits(field, pos, normal) || pos != field.size()) return std::nullopt;
  }

  double value = 0;
  const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // from_chars leaves the value unset; the IEEE result is an infinity or a (signed) zero.
    return std::strtod(normal.c_str(), nullptr);
  }
  if (ec != std::errc{} || end != normal.data() + normal.size()) return std::nullopt;
  return value;
}

char readLetterField(std::string_view line) {
  return line.empty() ? ' ' : line.front();
}

std::string readNameField(std::string_view line) {
  std::string name(line.substr(0, fileNameLength));
  name.resize(fileNameLength, ' ');
  return name;
}

}  // namespace vortanex
