#pragma once

#include "model/FrameModel.h"

#include <string>

// The texts of the four reports of an analysed model. Every line ends with
// CR LF; there is no trailing empty line. Numbers are written as the boxes show
// them (NumberToText); an empty cell is written as the empty text.

/// Report 1: title, storey moments (0) and (1), and per joint its inputs and
/// intermediate values M1, M2, Q, M(0), M(1), k1..k4, Y1..Y4, ST1..ST4.
std::string MainReportText(const FrameModel& model);

/// Report 2: title and per joint the corrected member-end moments CM1..CM4.
std::string CorrectedReportText(const FrameModel& model);

/// Report 3: per bay record "bay - floor - midspan moment".
std::string MidspanReportText(const FrameModel& model);

/// Report 4: per bay record the end reactions RDL and RML at both ends.
std::string ColumnLoadReportText(const FrameModel& model);
