#pragma once

#include "analysis/Analysis.h"
#include "model/FrameModel.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

/// What the calculate command produced: the paths of the four reports (main,
/// corrected, midspan, column load) and then of the frame page, or the message
/// of the fault that stopped it. On a fault no file was written or changed.
struct CalculateOutcome {
    std::optional<std::string> error;
    std::vector<std::filesystem::path> reports;

    bool ok() const { return !error.has_value(); }
};

/// The whole calculate command without the desktop: the analysis, the check of
/// its one cycle against the exact solution, then the four reports and the frame
/// page written as one set into `reportFolder`, which must exist.
CalculateOutcome Calculate(FrameModel& model, const std::filesystem::path& reportFolder);
