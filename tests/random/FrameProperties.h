#pragma once

#include "model/FrameModel.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

/// What one calculation of a generated frame showed.
struct CalculationCheck {
    bool succeeded = false;
    std::string error;                 ///< the message of a calculation that stopped
    std::vector<std::string> problems; ///< every broken promise, empty when all hold
};

/// Runs the whole calculation of `model` into the empty folder `folder` and
/// checks what it promises: either four complete reports and no message, or
/// one message and nothing written; every value in a report is finite; each
/// joint's corrected moments add up to zero; RML 1 = -RML 2 and RDL 1 + RDL 2
/// is minus the bay's total load for every bay. Empties the folder afterwards.
CalculationCheck CheckCalculation(FrameModel& model, const std::filesystem::path& folder);

/// The four report texts of an analysed model, for comparing two calculations.
std::vector<std::string> ReportTexts(const FrameModel& model);
