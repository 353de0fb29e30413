#pragma once

#include "model/FrameModel.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// One file of a set: what follows the project name in its file name, and its text.
struct ReportFile {
    std::string_view suffix;
    std::string text;
};

/// The paths of a written set, in the order of its files, or the message of the
/// failure that prevented them.
struct ReportFiles {
    std::optional<std::string> error;
    std::vector<std::filesystem::path> paths;
};

/// The four plain-text reports of an analysed model: NAME ".txt",
/// "-corrected.txt", "-midspan.txt" and "-columnload.txt".
std::vector<ReportFile> TextReports(const FrameModel& model);

/// The path of each file of the set for the model's project name inside `folder`.
std::vector<std::filesystem::path> ReportPaths(const FrameModel& model,
                                               const std::vector<ReportFile>& files,
                                               const std::filesystem::path& folder);

/// Writes `files` into `folder` as one set.
///
/// All are first written to temporary files in the folder and renamed into
/// place only when every one is complete, so a failure leaves the files of an
/// earlier run as they were. A missing folder is an error that names it; the
/// folder is never created. A read-only file is not replaced: an error.
ReportFiles WriteReports(const FrameModel& model, const std::vector<ReportFile>& files,
                         const std::filesystem::path& folder);
