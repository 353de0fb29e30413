#pragma once

#include "model/FrameModel.h"

#include <optional>
#include <string>
#include <utility>

/// Per bay record 1..TotalBays: the end reactions RDL from the bay's own loads
/// on a simply supported span, the end reactions RML from the corrected end
/// moments CM, and the bending moment at midspan.
///
/// UDL system: w1 over the whole span. Point-load system: w1 from the left end
/// to X, w2 from X to the right end, P at X. Reactions in kN: RDL is the
/// reaction of the loads taken negative, RML the upward reaction of the end
/// moments, so the upward reaction at an end is RML - RDL. The midspan moment
/// is sagging positive, in the unit of CM, and includes the end moments in both
/// systems.
///
/// Expects records that CheckBayRecord accepts (the calculation checks them
/// first). Stops at a record whose bay lies outside the tables or whose span is
/// not greater than 0, or that gives a value beyond the range of numbers, and
/// returns the message naming that record.
std::optional<std::string> ComputeBayResults(FrameModel& model);

/// The reactions of the bay's loads alone on a simply supported span, taken
/// negative: RDL 1 (left) and RDL 2 (right), in the order the bay reports form them.
/// The span must be greater than 0.
std::pair<double, double> LoadReactions(const BayLoad& bay);
