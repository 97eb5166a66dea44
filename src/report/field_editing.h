#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Editing of values into report fields of an exact width.
//
// editFixed(value, w, d) rounds the exact binary value to d decimals, ties to even,
// right-justifies it in w characters, and shows w asterisks when it needs more room:
//   16     w6 d2 -> " 16.00"      0.125  w4 d2 -> "0.12"    (tie: to even)
//   0.375  w4 d2 -> "0.38"        2.675  w4 d2 -> "2.67"    (the double lies below 2.675)
//   9.996  w5 d2 -> "10.00"       99.996 w5 d2 -> "*****"   (the carry needs a sixth place)
//   -0.5   w3 d1 -> "-.5"         -0.5   w4 d1 -> "-0.5"    (a zero only where there is room)
//   0.03   w4 d3 -> ".030"        0.03   w6 d3 -> " 0.030"
//   -0.004 w5 d2 -> " 0.00"       (no sign on a value that rounds to zero)
//   NaN    w4 d1 -> " NaN"        +/-infinity in a field narrower than 8+sign -> asterisks
// editInteger(value, w):  7 w2 -> " 7"   -5 w2 -> "-5"   100 w2 -> "**"
// editText(text, w): shorter texts are padded on the left, longer ones cut on the right.
namespace vortanex {

// The buffer-filling forms write exactly `width` characters to `out`.
void editFixedInto(char* out, double value, int width, int decimals);
void editIntegerInto(char* out, std::int32_t value, int width);

std::string editFixed(double value, int width, int decimals);
std::string editInteger(std::int32_t value, int width);
std::string editText(std::string_view text, int width);
std::string editText(std::string_view text);

}  // namespace vortanex
