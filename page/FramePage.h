#pragma once

#include "check/FrameCheck.h"
#include "model/FrameModel.h"

#include <string>

/// The frame page, NAME.html, of an analysed model and its check: one HTML5
/// document in UTF-8 with its style sheet inside, no script and no reference to
/// any other file, readable on screen and printed on A4. Lines end with LF.
///
/// In order: the name, the counts, the joint numbering, the units and the sign
/// conventions, and the warnings, each said once; the contents ("contents"),
/// a link to every section and table; then each section with its id and
/// heading: the moment diagram (AppendMomentDiagram); the method
/// (MethodSection.h); the table "factors" (FactorTable.h) and a worked step
/// (WorkedStep.h); the tables "cycles" and "rotations" (ConvergenceTables.h);
/// Kani's worksheet "kani" (KaniWorksheet.h); "end-moments", "joints",
/// "storeys", "bays", "columns" and "bases" (CheckTables.h); and the input as
/// typed, "input-joints" and "input-bays" (InputTables.h).
/// Every text from the input is escaped; numbers have 6 significant digits
/// (NumberToText with PageDigits), but the worked step's the reports' 15.
/// Without an exact solution the page says why, and the exact columns are empty.
std::string FramePageText(const FrameModel& model, const FrameCheck& check);
