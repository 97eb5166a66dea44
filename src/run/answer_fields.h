#pragma once

#include <optional>
#include <string>
#include <string_view>

// Fixed-width answer fields: each reads only the leading characters of an answer line
// (without its line end); missing positions count as blanks.
namespace vortanex {

inline constexpr std::size_t countFieldWidth = 2;
inline constexpr std::size_t valueFieldWidth = 5;
inline constexpr std::size_t fileNameLength = 24;

// Blanks ignored; an optional sign and digits; all blanks is 0.
// "3" -> 3, " 3" -> 3, "123" -> 12, "-1" -> -1; "2.5" and "x" are unreadable (nullopt).
std::optional<int> readCountField(std::string_view line);

// Blanks ignored; sign, digits with at most one point, then an exponent written as
// E, D or Q (either case) and a signed whole number, or as a sign and a whole number.
// "16" -> 16.0, "1 6" -> 16.0, "1.5-2" -> 0.015, "16.000" -> 16.0 (five characters read),
// "123456" -> 12345.0, all blanks -> 0.0; "16 kips", "INF" and "NaN" are unreadable.
// Values beyond the double range convert to infinity or zero, as IEEE conversion does.
std::optional<double> readValueField(std::string_view line);

// The first character as typed; a blank for an empty line.
char readLetterField(std::string_view line);

// The first 24 characters, blank-padded.
std::string readNameField(std::string_view line);

}  // namespace vortanex
