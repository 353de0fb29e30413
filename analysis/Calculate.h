#pragma once

#include "model/FrameModel.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

/// What the calculate command produced: the four report paths in the order
/// main, corrected, midspan, column load, or the message of the fault that
/// stopped it. On a fault no report was written or changed.
struct CalculateOutcome {
    std::optional<std::string> error;
    std::array<std::filesystem::path, 4> reports;

    bool ok() const { return !error.has_value(); }
};

/// Refuses input that names nothing real (CheckFrameInput), then runs the
/// analysis stages in their fixed order on empty derived tables and stops at the
/// first fault, returning its message.
std::optional<std::string> RunAnalysis(FrameModel& model);

/// The whole calculate command without the desktop: the analysis, then the four
/// reports written into `reportFolder`, which must exist.
CalculateOutcome Calculate(FrameModel& model, const std::filesystem::path& reportFolder);
