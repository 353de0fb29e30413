#pragma once

#include "analysis/FrameCheck.h"

#include <vector>

/// Repeats the cycle on a copy of the analysed model until its end moments are
/// within each of `tolerances` (fractions of the largest exact end moment) of the
/// exact ones, at most CycleLimit times; one CycleCount per tolerance, in order.
/// NotSolved for every tolerance when `exact` is not solved.
std::vector<CycleCount> CountCycles(const FrameModel& analysed, const ExactSolution& exact,
                                    const std::vector<double>& tolerances);
