#pragma once

#include "model/FrameModel.h"

#include <string>

// The frame page's account of the method as a hand calculation: its formulas,
// each joint's factors, and cycle 1 at one joint worked with the frame's numbers.

/// Section id "method": the formulas of Takabeya's method as the analysis forms
/// them, each with its unit and sign, the order of the sweep, the balance, and
/// how the start and the numbers compare with Kani's iteration.
void AppendMethodSection(std::string& out);

/// id "factors": joint, Q, M(0), Y1..Y4 and the sway factor of the column below
/// the joint in its storey, for the joints of floors 1..F: the model's own
/// tables, as the main report prints them.
void AppendFactorTable(std::string& out, const FrameModel& model);

/// Section id "worked": cycle 1 at joint N + 1, the first joint of floor 1 (M(0),
/// each term with a non-zero Y, M(1)); storey 1's moment (1); and that joint's
/// right-beam end moment before the balance. The numbers have the reports' 15
/// digits, each result also as the tables round it.
void AppendWorkedStep(std::string& out, const FrameModel& model);
