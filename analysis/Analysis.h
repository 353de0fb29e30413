#pragma once

#include "model/FrameModel.h"

#include <optional>
#include <string>

/// Refuses input that names nothing real (CheckFrameInput), then runs the
/// analysis stages in their fixed order on empty derived tables, the bay results
/// last, and stops at the first fault, returning its message.
std::optional<std::string> RunAnalysis(FrameModel& model);
