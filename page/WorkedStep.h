#pragma once

#include "model/FrameModel.h"

#include <string>

/// Section id "worked": cycle 1 at joint N + 1, the first joint of floor 1 (M(0),
/// each term with a non-zero Y, M(1)); storey 1's moment (1); and that joint's
/// right-beam end moment before the balance. The numbers have the reports' 15
/// significant digits, each result also as the tables round it.
///
/// Each equation is a paragraph of its own whose first line is the formula in
/// words and whose value lines begin with "= ": the numbers, then the sum of the
/// terms, then the result. Read left to right with brackets first, the value
/// lines evaluate to the result as printed.
void AppendWorkedStep(std::string& out, const FrameModel& model);
