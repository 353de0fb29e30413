#pragma once

#include "model/FrameModel.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

/// The four report paths, or the message of the failure that prevented them.
struct ReportFiles {
    std::optional<std::string> error;
    std::array<std::filesystem::path, 4> paths;
};

/// The four report paths for the model's project name inside `folder`:
/// name + ".txt", "-corrected.txt", "-midspan.txt", "-columnload.txt".
std::array<std::filesystem::path, 4> ReportPaths(const FrameModel& model,
                                                 const std::filesystem::path& folder);

/// Writes the four reports of an analysed model into `folder`.
///
/// All four are first written to temporary files in the folder and renamed
/// into place only when every one is complete, so a failure leaves any reports
/// of an earlier run as they were. A missing folder is an error that names it;
/// the folder is never created. A read-only report is not replaced: an error.
ReportFiles WriteReports(const FrameModel& model, const std::filesystem::path& folder);
