#pragma once

#include "model/BayRecords.h"
#include "model/FrameModel.h"

#include <optional>
#include <string>

/// Refuses input that names nothing real (CheckFrameInput), then runs the
/// analysis stages in their fixed order on empty derived tables, the bay results
/// last, and stops at the first fault, returning its message. `records` is the
/// model's BayRecordsOf, built once by the caller for the whole calculation.
std::optional<std::string> RunAnalysis(FrameModel& model, const BayRecordTable& records);

/// The same, with the model's own bay-record table.
std::optional<std::string> RunAnalysis(FrameModel& model);
