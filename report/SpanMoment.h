#pragma once

#include "model/FrameModel.h"

#include <vector>

// The bending moment along one beam, sagging positive, for drawing it.

/// The moment at `x` (0 .. L from the left end) of the beam whose member-end
/// moments (clockwise positive on the member end) are `left` and `right`, under
/// its loads: the simple span's moment plus the straight line from `left` at the
/// left end to −`right` at the right end (BendingMomentAt).
double SpanMoment(const BayLoad& bay, double left, double right, double x);

/// Where to evaluate the moment to draw it: `segments` + 1 even steps over 0 .. L
/// and, in the point-load system, X, where the curve has its kink; in
/// increasing order.
std::vector<double> SpanSamples(const BayLoad& bay, int segments);
