#pragma once

#include <string>
#include <vector>

#include "report/record_sink.h"

namespace vortanex::testing {

// Keeps every record as composed, before any carriage control is applied.
class RecordRecorder final : public RecordOutput {
 public:
  void writeRecord(std::string_view record) override { records.emplace_back(record); }
  std::vector<std::string> records;
};

}  // namespace vortanex::testing
