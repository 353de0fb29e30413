#pragma once

#include "model/FrameModel.h"

#include <optional>
#include <string>

/// Per bay record 1..TotalBays: the end reactions RDL from the bay's own loads
/// on a simply supported span, the end reactions RML from the corrected end
/// moments CM, and the bending moment at midspan.
///
/// UDL system: w1 over the whole span. Point-load system: w1 from the left end
/// to X, w2 from X to the right end, P at X. Reactions in kN (upward negative),
/// moments in the unit of CM.
///
/// Stops at the first record that names joints outside the tables, has the
/// span L = 0 (a record never filled in has L = 0), or gives a value beyond the
/// range of numbers, and returns the message naming that record.
std::optional<std::string> ComputeBayResults(FrameModel& model);
