#pragma once

#include "report/report_writer.h"
#include "run/design_inputs.h"
#include "run/design_table.h"
#include "run/interrupts.h"

namespace vortanex {

// Designs and reports every combination of the inputs: wheel load outermost, then top
// cover, paving allowance, steel stress, and concrete stress innermost. Throws RunFailure
// when a case cannot be designed (66) or a console event arrives.
// A listener, if given, sees every designed span after its report row.
void walkDesignCases(const DesignInputs& inputs, ReportWriter& writer, InterruptPoll& interrupts,
                     SpanListener* listener = nullptr);

// The diagnostic text for a case that cannot be designed.
std::string designFailureText(const DesignCase& designCase, const DesignFailure& failure);

}  // namespace vortanex
