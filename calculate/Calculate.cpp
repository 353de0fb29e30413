#include "calculate/Calculate.h"

#include "analysis/FrameCheck.h"
#include "report/FramePage.h"
#include "report/ReportWriter.h"

CalculateOutcome Calculate(FrameModel& model, const std::filesystem::path& reportFolder) {
    CalculateOutcome outcome;
    outcome.error = RunAnalysis(model);
    if (outcome.error) {
        return outcome;
    }
    std::vector<ReportFile> files = TextReports(model);
    files.push_back({".html", FramePageText(model, CheckFrame(model))});
    ReportFiles written = WriteReports(model, files, reportFolder);
    outcome.error = std::move(written.error);
    outcome.reports = std::move(written.paths);
    return outcome;
}
