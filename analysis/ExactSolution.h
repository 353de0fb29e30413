#pragma once

#include "analysis/FrameCheck.h"

/// Solves the equations that the cycle iterates directly (ExactSolution in
/// FrameCheck.h), from the rotation factors Y, the initial rotation moments M(0)
/// and the sway factors of an analysed model, and forms the end moments of that
/// solution, cantilevers and base ends included. A singular or nearly singular
/// system leaves `solved` false and says why in `whyNot`; it is not a fault.
ExactSolution SolveExactly(const FrameModel& model);
