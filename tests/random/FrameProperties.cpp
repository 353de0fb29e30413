#include "FrameProperties.h"

#include "analysis/Calculate.h"
#include "report/ReportText.h"
#include "report/ReportWriter.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string_view>

namespace fs = std::filesystem;

namespace {

// Rounding in a handful of operations, relative to the largest magnitude that
// took part; an absolute floor covers results in the subnormal range.
constexpr long double RelativeTolerance = 1e-12L;
constexpr long double AbsoluteFloor = 1e-300L;

bool NearZero(long double sum, long double scale) {
    return std::fabs(sum) <= RelativeTolerance * scale + AbsoluteFloor;
}

std::vector<fs::path> FilesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string Show(long double value) {
    std::ostringstream text;
    text.precision(17);
    text << static_cast<double>(value);
    return text.str();
}

/// Infinity and NaN print as some spelling of "inf" or "nan"; no label or
/// number of a report holds those letters in a row. The title (the project
/// name) of the first two reports is left out.
bool PrintsNonFinite(std::string_view text, bool titled) {
    if (titled) {
        text.remove_prefix(std::min(text.find('\n') + 1, text.size()));
    }
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

void CheckReports(const FrameModel& model, const std::array<fs::path, 4>& paths,
                  std::vector<std::string>& problems) {
    const std::vector<std::string> expected = ReportTexts(model);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const std::string text = ReadFile(paths[i]);
        const std::string file = paths[i].filename().string();
        if (text != expected[i]) {
            problems.push_back("the file " + file + " differs from the report text of the model");
        }
        if (PrintsNonFinite(text, i < 2)) {
            problems.push_back("the file " + file + " prints a value that is not finite");
        }
    }
}

void CheckJointBalance(const FrameModel& model, std::vector<std::string>& problems) {
    const FrameCounts counts = CountsOf(model);
    for (int j = counts.columns + 1; j <= counts.lastJoint; ++j) {
        long double sum = 0;
        long double scale = 0;
        for (int m = 1; m <= MemberCount; ++m) {
            const long double cm = model.CM[j][m].value();
            sum += cm;
            scale = std::max({scale, std::fabs(cm),
                              std::fabs(static_cast<long double>(model.EndM[j][m].value()))});
        }
        if (model.CM[j][1].isEmpty() || !NearZero(sum, scale)) {
            problems.push_back("the corrected moments of joint " + std::to_string(j) +
                               " add up to " + Show(sum) + " (largest moment " + Show(scale) + ")");
        }
    }
}

/// The total load on a bay, in a different order from the calculation's and
/// with more range and precision; `scale` gets the largest part.
long double TotalLoad(const BayLoad& bay, long double& scale) {
    const long double w1 = bay.Udl1;
    const long double w2 = bay.Udl2;
    const long double l = bay.SpanL;
    if (bay.IsPointLoad == 0) {
        scale = std::fabs(w1 * l);
        return w1 * l;
    }
    const long double x = bay.LoadX;
    const long double left = w1 * x;
    // L - X as the calculation forms it: one correctly rounded subtraction.
    const long double right = w2 * static_cast<long double>(bay.SpanL - bay.LoadX);
    const long double point = bay.PointLoad1;
    scale = std::max({std::fabs(left), std::fabs(right), std::fabs(point)});
    return left + right + point;
}

void CheckBayReactions(const FrameModel& model, std::vector<std::string>& problems) {
    const int totalBays = CountsOf(model).totalBays;
    for (int b = 1; b <= totalBays; ++b) {
        const std::string bay = "bay record " + std::to_string(b);
        const double rml1 = model.RML[b][1].value();
        const double rml2 = model.RML[b][2].value();
        if (model.RML[b][1].isEmpty() || rml1 != -rml2) {
            problems.push_back(bay + ": RML 1 = " + Show(rml1) +
                               " is not minus RML 2 = " + Show(rml2));
        }
        const long double rdl1 = model.RDL[b][1].value();
        const long double rdl2 = model.RDL[b][2].value();
        long double scale = 0;
        const long double total = TotalLoad(model.BayLoads[b], scale);
        scale = std::max({scale, std::fabs(rdl1), std::fabs(rdl2)});
        if (model.RDL[b][1].isEmpty() || !NearZero(rdl1 + rdl2 + total, scale)) {
            problems.push_back(bay + ": RDL 1 + RDL 2 = " + Show(rdl1 + rdl2) +
                               " is not minus the total load " + Show(total));
        }
    }
}

void CheckStopped(const CalculateOutcome& outcome, const std::vector<fs::path>& written,
                  std::vector<std::string>& problems) {
    if (outcome.error->empty()) {
        problems.push_back("the calculation stopped with an empty message");
    }
    for (const fs::path& path : outcome.reports) {
        if (!path.empty()) {
            problems.push_back("a stopped calculation returned the report " + path.string());
        }
    }
    for (const fs::path& path : written) {
        problems.push_back("a stopped calculation left the file " + path.filename().string());
    }
}

} // namespace

std::vector<std::string> ReportTexts(const FrameModel& model) {
    return {MainReportText(model), CorrectedReportText(model), MidspanReportText(model),
            ColumnLoadReportText(model)};
}

CalculationCheck CheckCalculation(FrameModel& model, const fs::path& folder) {
    CalculationCheck check;
    const CalculateOutcome outcome = Calculate(model, folder);
    const std::vector<fs::path> written = FilesIn(folder);
    if (!outcome.ok()) {
        check.error = *outcome.error;
        CheckStopped(outcome, written, check.problems);
    } else {
        check.succeeded = true;
        const std::array<fs::path, 4> expected = ReportPaths(model, folder);
        std::vector<fs::path> expectedFiles(expected.begin(), expected.end());
        std::sort(expectedFiles.begin(), expectedFiles.end());
        if (outcome.reports != expected || written != expectedFiles) {
            check.problems.push_back("the folder does not hold exactly the four reports");
        } else {
            CheckReports(model, expected, check.problems);
        }
        CheckJointBalance(model, check.problems);
        CheckBayReactions(model, check.problems);
    }
    for (const fs::path& path : written) {
        fs::remove(path);
    }
    return check;
}
