#include "report/report_writer.h"

#include <array>
#include <cstring>
#include <string_view>

namespace vortanex {
namespace {

constexpr std::array<std::string_view, 12> monthNames = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                         "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

constexpr std::string_view agencyName = "ARVENTA STATE DEPARTMENT OF HIGHWAYS";
constexpr std::string_view bureauName =
    "PLANS PRODUCTION BUREAU - SECTION OF DECK AND SPAN ENGINEERING";
constexpr std::string_view titleRecord3 =
    "                         SERVICE LOAD DESIGN OF BRIDGE SLAB ";
constexpr std::string_view titleRecord4 = "                               REVISED:  JUNE 26, 2008";
static_assert(titleRecord3.size() == 60 && titleRecord4.size() == 54);

// Heading records 1 and 2 (the two notes) and the heading lines that follow them.
constexpr std::string_view thicknessNoteRecord =
    "0                           Minimum slab thickness is 7\"                 ";
constexpr std::string_view spacingNoteRecord =
    "                      Maximum main reinforcement spacing is 9\"          ";
static_assert(thicknessNoteRecord.size() == 73 && spacingNoteRecord.size() == 72);

constexpr std::string_view headingIndent = "            ";  // carriage control and 11 blanks
constexpr std::string_view ruleRecord =
    "            ===========================================================";
constexpr std::array<std::string_view, 3> parameterCaptions = {
    "              WHEEL                         SLAB    FUTURE   CONTINUITY",
    "              LOAD     fc       fs      n   COVER   PAVING     FACTOR  ",
    "             (Kips)   (ksi)    (ksi)        (in)  (kips/ft^2)          ",
};
constexpr std::array<std::string_view, 5> rowCaptions = {
    "                                                        DISTRIBUTION   ",
    "            EFFECTIVE                     SIZE AND      REINFORCEMENT  ",
    "              SPAN     SLAB THICKNESS  SPACING OF MAIN  MIDDLE  OUTER  ",
    "             LENGTH    MINIMUM ACTUAL   REINFORCEMENT    HALF  QUARTERS",
    "             (ft-in)    (in)    (in)             (in)                  ",
};

constexpr bool allOfLength(auto const& records, std::size_t length) {
  for (std::string_view record : records) {
    if (record.size() != length) return false;
  }
  return true;
}
static_assert(ruleRecord.size() == 71);
static_assert(allOfLength(parameterCaptions, 71) && allOfLength(rowCaptions, 71));

constexpr std::array<std::string_view, 3> trailerRecords = {
    "                                   Page 1 of 3",
    "                                   Page 2 of 3",
    "                                   Page 3 of 3",
};
static_assert(allOfLength(trailerRecords, 46));

constexpr std::string_view newPageRecord = "1";

// Two digits with a leading zero; values outside 0..99 keep their last two digits.
void putTwoDigits(char* out, int value) {
  const int v = ((value % 100) + 100) % 100;
  out[0] = static_cast<char>('0' + v / 10);
  out[1] = static_cast<char>('0' + v % 10);
}

}  // namespace

std::string formatDateStamp(const CivilTime& time) {
  char stamp[] = "dd-MON-yy";
  putTwoDigits(stamp, time.day);
  const int month = time.month >= 1 && time.month <= 12 ? time.month : 1;
  monthNames[static_cast<std::size_t>(month - 1)].copy(stamp + 3, 3);
  putTwoDigits(stamp + 7, time.year);
  return std::string(stamp, 9);
}

std::string formatTimeStamp(const CivilTime& time) {
  char stamp[] = "hh:mm:ss";
  putTwoDigits(stamp, time.hour);
  putTwoDigits(stamp + 3, time.minute);
  putTwoDigits(stamp + 6, time.second);
  return std::string(stamp, 8);
}

ReportWriter::ReportWriter(RecordOutput& sink, Clock& clock) : sink_(sink), clock_(clock) {
  parameterRecord_.assign(headingIndent);
  parameterRecord_.append(parameterLine_.text());
  headingIndent.copy(rowRecord_.data(), headingIndent.size());
}

void ReportWriter::beginCase(const DesignCase& designCase, const CaseConstants& constants) {
  rowCount_ = 0;
  const CivilTime dateReading = clock_.now();
  const CivilTime timeReading = clock_.now();

  // "0dd-MON-yy" 14 blanks agency; " hh:mm:ss" 2 blanks bureau.
  dateRecord_.assign(1 + 9 + 14, ' ');
  dateRecord_[0] = '0';
  formatDateStamp(dateReading).copy(dateRecord_.data() + 1, 9);
  dateRecord_.append(agencyName);
  timeRecord_.assign(1 + 8 + 2, ' ');
  formatTimeStamp(timeReading).copy(timeRecord_.data() + 1, 8);
  timeRecord_.append(bureauName);

  caseValues_ = CaseValues{
      designCase.wheelLoad, designCase.concreteStress,  designCase.steelStress,     constants.n,
      designCase.topCover,  designCase.pavingAllowance, designCase.continuityFactor};
}

void ReportWriter::addRow(const SpanResult& result) {
  if (rowCount_ == 0 || rowCount_ == 36 || rowCount_ == 72) {
    parameterLine_.fill(caseValues_);
    parameterRecord_.replace(headingIndent.size(), templateLineLength, parameterLine_.text());
  }
  if (rowCount_ == 0) {
    if (pageStarted_) {
      sink_.writeRecord(newPageRecord);
    } else {
      pageStarted_ = true;
    }
    writeTitleAndHeading();
  } else if (rowCount_ == 36 || rowCount_ == 72) {
    writeTrailer(rowCount_ == 36 ? 1 : 2);
    sink_.writeRecord(newPageRecord);
    writeTitleAndHeading();
  }
  rowLine_.fill(result);
  std::memcpy(rowRecord_.data() + headingIndent.size(), rowLine_.text().data(), templateLineLength);
  sink_.writeRecord(std::string_view(rowRecord_.data(), rowRecord_.size()));
  ++rowCount_;
}

void ReportWriter::endCase() {
  if (rowCount_ == spansPerCase) writeTrailer(3);
}

void ReportWriter::writeTitleAndHeading() {
  sink_.writeRecord(dateRecord_);
  sink_.writeRecord(timeRecord_);
  sink_.writeRecord(titleRecord3);
  sink_.writeRecord(titleRecord4);

  sink_.writeRecord(thicknessNoteRecord);
  sink_.writeRecord(spacingNoteRecord);
  sink_.writeRecord("");
  sink_.writeRecord(ruleRecord);
  for (std::string_view caption : parameterCaptions) sink_.writeRecord(caption);
  sink_.writeRecord(parameterRecord_);
  sink_.writeRecord(ruleRecord);
  for (std::string_view caption : rowCaptions) sink_.writeRecord(caption);
  sink_.writeRecord("");
}

void ReportWriter::writeTrailer(int page) {
  sink_.writeRecord("");
  sink_.writeRecord("");
  sink_.writeRecord("");
  sink_.writeRecord(trailerRecords[static_cast<std::size_t>(page - 1)]);
}

}  // namespace vortanex
