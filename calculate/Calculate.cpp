#include "calculate/Calculate.h"

#include "check/FrameCheck.h"
#include "model/BayRecords.h"
#include "page/FramePage.h"
#include "report/ReportWriter.h"

CalculateOutcome Calculate(FrameModel& model, const std::filesystem::path& reportFolder) {
    CalculateOutcome outcome;
    // Which record describes each bay, once: the input check, the frame check
    // and the page's drawing all read this one table.
    const BayRecordTable records = BayRecordsOf(model);
    outcome.error = RunAnalysis(model, records);
    if (outcome.error) {
        return outcome;
    }
    std::vector<ReportFile> files = TextReports(model);
    files.push_back({".html", FramePageText(model, CheckFrame(model, records))});
    ReportFiles written = WriteReports(model, files, reportFolder);
    outcome.error = std::move(written.error);
    outcome.reports = std::move(written.paths);
    return outcome;
}
