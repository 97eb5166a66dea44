#include "report/record_sink.h"

#include <gtest/gtest.h>

#include "memory_file_system.h"

namespace vortanex {
namespace {

using testing::FaultPlan;
using testing::MemoryFile;
using testing::MemoryOutputFile;

struct AsaCase {
  const char* name;
  std::vector<std::string> records;
  std::string bytes;  // after close
};

std::string writeAll(const std::vector<std::string>& records) {
  auto file = std::make_shared<MemoryFile>();
  RecordSink sink =
      RecordSink::openedNew(std::make_unique<MemoryOutputFile>(file, nullptr, true), "/r");
  for (const std::string& record : records) sink.writeRecord(record);
  EXPECT_FALSE(sink.close());
  return file->bytes;
}

class AsaBytes : public ::testing::TestWithParam<AsaCase> {};

TEST_P(AsaBytes, WritesExactlyTheseBytes) {
  EXPECT_EQ(writeAll(GetParam().records), GetParam().bytes) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    CarriageControl, AsaBytes,
    ::testing::Values(
        AsaCase{"worked example", {"0AB", " CD", "", "1", "0EF"}, "\nAB\r\nCD\r\n\r\f\r\n\nEF\r\n"},
        AsaCase{"empty record first", {""}, "\r\n"},
        AsaCase{"empty record later", {" X", ""}, "X\r\n\r\n"},
        AsaCase{"new page first", {"1"}, "\f\r\n"},
        AsaCase{"new page drops the owed line feed", {" X", "1Y"}, "X\r\fY\r\n"},
        AsaCase{"zero first gives one line feed", {"0X"}, "\nX\r\n"},
        AsaCase{"overprint shares the line", {" X", "+Y"}, "X\rY\r\n"},
        AsaCase{"dollar leaves the line open", {"$X", " Y"}, "X\nY\r\n"},
        AsaCase{"NUL control", {std::string("\0X", 2), " Y"}, "X\nY\r\n"},
        AsaCase{"other control characters space singly", {"AXYZ", "9Q"}, "XYZ\r\nQ\r\n"},
        AsaCase{"nothing written, nothing added", {}, ""}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

TEST(RecordSink, ReusedFileIsCutAfterTheFirstRecordOnly) {
  auto file = std::make_shared<MemoryFile>();
  file->bytes = std::string(1000, 'o');
  RecordSink sink =
      RecordSink::openedExisting(std::make_unique<MemoryOutputFile>(file, nullptr, true), "/r");
  sink.writeRecord("0AB");
  EXPECT_EQ(file->bytes, "\nAB\r");
  sink.writeRecord(" CD");
  EXPECT_FALSE(sink.close());
  EXPECT_EQ(file->bytes, "\nAB\r\nCD\r\n");
}

TEST(RecordSink, ReusedFileWithNoRecordKeepsItsContent) {
  auto file = std::make_shared<MemoryFile>();
  file->bytes = "old report";
  RecordSink sink =
      RecordSink::openedExisting(std::make_unique<MemoryOutputFile>(file, nullptr, true), "/r");
  EXPECT_FALSE(sink.close());
  EXPECT_EQ(file->bytes, "old report");
  EXPECT_TRUE(file->closed);
}

TEST(RecordSink, EveryRecordIsOneWrite) {
  auto file = std::make_shared<MemoryFile>();
  RecordSink sink =
      RecordSink::openedNew(std::make_unique<MemoryOutputFile>(file, nullptr, true), "/r");
  for (int i = 0; i < 5; ++i) sink.writeRecord(" row");
  EXPECT_EQ(file->writes, 5);
  EXPECT_FALSE(sink.close());
  EXPECT_EQ(file->writes, 6);  // the final line feed
}

TEST(RecordSink, RefusedWriteIs38AndKeepsEarlierRecords) {
  auto file = std::make_shared<MemoryFile>();
  FaultPlan faults = FaultPlan::failingWrites(3, 1, EIO);
  RecordSink sink = RecordSink::openedNew(std::make_unique<MemoryOutputFile>(file, &faults, true),
                                          "/dir/report.txt");
  sink.writeRecord(" A");
  sink.writeRecord(" B");
  try {
    sink.writeRecord(" C");
    FAIL() << "the refused write must end the run";
  } catch (const RunFailure& failure) {
    EXPECT_EQ(failure.number, 38);
    EXPECT_EQ(failure.text, "error during write, unit 6, file /dir/report.txt");
    EXPECT_EQ(failure.osError, EIO);
  }
  EXPECT_FALSE(sink.close());
  EXPECT_EQ(file->bytes, "A\r\nB\r\n");
}

TEST(RecordSink, ReadOnlyReportFileIs47AndStaysUnchanged) {
  auto file = std::make_shared<MemoryFile>();
  file->bytes = "old";
  RecordSink sink = RecordSink::openedExisting(
      std::make_unique<MemoryOutputFile>(file, nullptr, false), "/r.txt");
  try {
    sink.writeRecord("0X");
    FAIL();
  } catch (const RunFailure& failure) {
    EXPECT_EQ(failure.number, 47);
    EXPECT_EQ(failure.text, "write to READONLY file, unit 6, file /r.txt");
    EXPECT_EQ(failure.osError, 0);
  }
  EXPECT_FALSE(sink.close());
  EXPECT_EQ(file->bytes, "old");
}

TEST(RecordSink, RefusedFinalLineFeedIs28) {
  auto file = std::make_shared<MemoryFile>();
  FaultPlan faults = FaultPlan::failingWrites(2, 0, ENOSPC);
  RecordSink sink =
      RecordSink::openedNew(std::make_unique<MemoryOutputFile>(file, &faults, true), "/r");
  sink.writeRecord(" A");
  const std::optional<RunFailure> failure = sink.close();
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->number, 28);
  EXPECT_EQ(failure->text, "CLOSE error, unit 6, file /r");
  EXPECT_EQ(file->bytes, "A\r");
}

TEST(RecordSink, ConsoleLinesEndWithCarriageReturnAndLineFeed) {
  testing::StringOutput out;
  RecordSink console = RecordSink::console(out, -1, "CONOUT$");
  console.writeRecord(" Enter Output File Name:");
  console.writeList(
      {"OUTPUT FILE ALREADY EXISTS. ", " DO YOU WISH TO DELETE IT [DEFAULT IS N]? (Y/N) "});
  console.writeList({"EXITING PROGRAM"});
  EXPECT_EQ(out.bytes,
            " Enter Output File Name:\r\n"
            " OUTPUT FILE ALREADY EXISTS.  DO YOU WISH TO DELETE IT [DEFAULT IS N]? (Y/N) \r\n"
            " EXITING PROGRAM\r\n");
  EXPECT_EQ(out.writes, 3);
}

}  // namespace
}  // namespace vortanex
