#include "run/line_source.h"

#include <gtest/gtest.h>

namespace vortanex {
namespace {

std::vector<std::string> linesOf(const std::string& bytes, std::size_t chunk) {
  MemoryByteSource source(bytes, chunk);
  LineSource lines(source);
  std::vector<std::string> out;
  std::string line;
  while (lines.readLine(line).status == LineSource::Status::line) out.push_back(line);
  return out;
}

TEST(LineSource, SplitsLinesWhateverTheReadSizes) {
  const std::string bytes = "a\r\nbb\n\n\r\nc\rd\nlast";
  const std::vector<std::string> expected = {"a", "bb", "", "", "c\rd", "last"};
  for (std::size_t chunk : {1u, 2u, 3u, 7u, 4096u}) {
    EXPECT_EQ(linesOf(bytes, chunk), expected) << "chunk " << chunk;
  }
}

TEST(LineSource, KeepsOnlyTheStartOfAVeryLongLineAndLosesNoLaterLine) {
  const std::string bytes = std::string(10000, '7') + "\r\n2\n";
  for (std::size_t chunk : {1u, 4096u}) {
    const auto lines = linesOf(bytes, chunk);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(LineSource::keptLength, '7'));
    EXPECT_EQ(lines[1], "2");
  }
}

TEST(LineSource, ALastLineEndingInCarriageReturnLosesIt) {
  EXPECT_EQ(linesOf("16\r", 1), std::vector<std::string>{"16"});
  EXPECT_EQ(linesOf("\r", 4096), std::vector<std::string>{""});
}

TEST(LineSource, EndAndErrorAreReported) {
  MemoryByteSource empty("");
  LineSource lines(empty);
  std::string line;
  EXPECT_EQ(lines.readLine(line).status, LineSource::Status::end);
  EXPECT_EQ(lines.readLine(line).status, LineSource::Status::end);

  struct FailingSource final : ByteSource {
    long read(char*, std::size_t) override { return -EIO; }
  } failing;
  LineSource broken(failing);
  const LineSource::Result result = broken.readLine(line);
  EXPECT_EQ(result.status, LineSource::Status::error);
  EXPECT_EQ(result.error, EIO);
}

}  // namespace
}  // namespace vortanex
