#include "report/ReportWriter.h"

#include "report/ReportText.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace {

/// The path in UTF-8, as the window shows messages; on Windows path::string()
/// would give the ANSI code page, and fail on a name that it cannot hold.
std::string Quoted(const fs::path& path) {
    const std::u8string text = path.u8string();
    return '\'' + std::string(text.begin(), text.end()) + '\'';
}

/// A name for a temporary file in the report folder that no report can have.
fs::path TemporaryPath(const fs::path& folder, int report) {
    static std::mt19937_64 generator{std::random_device{}()};
    return folder /
           (".velmora-" + std::to_string(generator()) + "-" + std::to_string(report) + ".tmp");
}

/// Writes `text` to a new file; returns the failure's message or nothing.
std::optional<std::string> WriteFile(const fs::path& path, const fs::path& report,
                                     const std::string& text) {
    errno = 0;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file) {
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
        file.close();
    }
    if (!file) {
        const int error = errno;
        return "The report " + Quoted(report) +
               " could not be written: " + (error != 0 ? std::strerror(error) : "write failed") +
               ".";
    }
    return std::nullopt;
}

/// A report can replace an existing regular file that is not read-only, never
/// a folder or device. Opening a read-only file for output fails; the renames
/// would replace it on Linux, and on Windows leave it behind as an undeletable
/// temporary file.
std::optional<std::string> CheckTarget(const fs::path& report) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(report, ec);
    const bool readOnly = (status.permissions() & fs::perms::owner_write) == fs::perms::none;
    // A link is replaced by the new report, not written through.
    if (ec || status.type() == fs::file_type::not_found ||
        (status.type() == fs::file_type::regular && !readOnly) ||
        status.type() == fs::file_type::symlink) {
        return std::nullopt;
    }
    const char* reason = status.type() == fs::file_type::directory
                             ? "a folder of that name stands in its place"
                         : status.type() == fs::file_type::regular
                             ? "it is read-only"
                             : "something other than a file stands in its place";
    return "The report " + Quoted(report) + " could not be written: " + reason + ".";
}

using Paths = std::vector<fs::path>;

void RemoveAll(const Paths& paths) {
    for (const fs::path& path : paths) {
        if (!path.empty()) {
            std::error_code ignored;
            fs::remove(path, ignored);
        }
    }
}

/// Renames the finished files onto the reports. The reports of an earlier
/// run are first moved aside and restored if any rename fails, so the folder
/// holds either the whole old set or the whole new one.
std::optional<std::string> PutInPlace(Paths& finished, const Paths& reports,
                                      const fs::path& folder) {
    Paths previous(reports.size());
    std::optional<std::string> fault;
    std::size_t moved = 0;
    std::size_t placed = 0;
    std::error_code ec;
    for (; moved < reports.size() && !fault; ++moved) {
        if (fs::symlink_status(reports[moved], ec).type() == fs::file_type::not_found) {
            continue;
        }
        previous[moved] = TemporaryPath(folder, static_cast<int>(moved) + 1);
        fs::rename(reports[moved], previous[moved], ec);
        if (ec) {
            previous[moved].clear();
            fault = "The report " + Quoted(reports[moved]) +
                    " could not be replaced: " + ec.message() +
                    ". If a program has it open, close it there, then press CALCULATE again.";
        }
    }
    for (; placed < reports.size() && !fault; ++placed) {
        fs::rename(finished[placed], reports[placed], ec);
        if (ec) {
            fault = "The report " + Quoted(reports[placed]) +
                    " could not be written: " + ec.message() + ".";
            break;
        }
        finished[placed].clear();
    }
    if (fault) {
        // Undo: take the new reports away again and bring the old ones back.
        for (std::size_t i = 0; i < placed; ++i) {
            fs::remove(reports[i], ec);
        }
        for (std::size_t i = 0; i < reports.size(); ++i) {
            if (!previous[i].empty()) {
                fs::rename(previous[i], reports[i], ec);
                if (ec) {
                    // Never lose an earlier report without a word: say where it is.
                    *fault += " The earlier report " + Quoted(reports[i]) +
                              " could not be put back (" + ec.message() + "); it is now " +
                              Quoted(previous[i]) + ".";
                }
            }
        }
        RemoveAll(finished);
        return fault;
    }
    RemoveAll(previous);
    return std::nullopt;
}

} // namespace

std::vector<ReportFile> TextReports(const FrameModel& model) {
    std::vector<ReportFile> files;
    files.push_back({".txt", MainReportText(model)});
    files.push_back({"-corrected.txt", CorrectedReportText(model)});
    files.push_back({"-midspan.txt", MidspanReportText(model)});
    files.push_back({"-columnload.txt", ColumnLoadReportText(model)});
    return files;
}

Paths ReportPaths(const FrameModel& model, const std::vector<ReportFile>& files,
                  const fs::path& folder) {
    Paths paths;
    for (const ReportFile& file : files) {
        // The name is UTF-8, as the window gives it: a path made from char8_t reads it
        // so on every system, from char it would be the ANSI code page on Windows.
        const std::string name = model.ProjectName + std::string(file.suffix);
        paths.push_back(folder / fs::path(std::u8string(name.begin(), name.end())));
    }
    return paths;
}

ReportFiles WriteReports(const FrameModel& model, const std::vector<ReportFile>& files,
                         const fs::path& folder) {
    ReportFiles result;
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        result.error = "The report folder " + Quoted(folder) +
                       " does not exist. Create it, then press CALCULATE again.";
        return result;
    }
    const Paths reports = ReportPaths(model, files, folder);
    Paths temporary(reports.size());
    for (std::size_t i = 0; i < reports.size(); ++i) {
        auto fault = CheckTarget(reports[i]);
        if (!fault) {
            temporary[i] = TemporaryPath(folder, static_cast<int>(i) + 1);
            fault = WriteFile(temporary[i], reports[i], files[i].text);
        }
        if (fault) {
            RemoveAll(temporary);
            result.error = fault;
            return result;
        }
    }
    // Every file is complete: only now replace the files of an earlier run.
    if (auto fault = PutInPlace(temporary, reports, folder)) {
        result.error = fault;
        return result;
    }
    result.paths = reports;
    return result;
}
