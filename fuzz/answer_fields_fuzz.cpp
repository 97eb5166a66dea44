// The answer fields on arbitrary lines: no crash, and results within their field's reach.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "run/answer_fields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  if (const auto count = vortanex::readCountField(line)) {
    if (*count < -9 || *count > 99) std::abort();
  }
  if (const auto value = vortanex::readValueField(line)) {
    if (std::isnan(*value)) std::abort();  // no text of five characters means not-a-number
  }
  if (vortanex::readNameField(line).size() != vortanex::fileNameLength) std::abort();
  (void)vortanex::readLetterField(line);
  return 0;
}
