#pragma once

#include "model/FrameModel.h"

#include <vector>

// The bending moment along one beam, sagging positive, for drawing it.

/// The moment at `x` (0 .. L from the left end) of the bay's own loads on a
/// simply supported span L: in the UDL system w1 over the whole span, in the
/// point-load system w1 from 0 to X, w2 from X to L and P at X. Loads act
/// downward, so a loaded span sags.
double SimpleSpanMoment(const BayLoad& bay, double x);

/// The moment at `x` of the beam whose member-end moments (clockwise positive on
/// the member end) are `left` and `right`: the simple-span moment plus the
/// straight line from `left` at the left end to −`right` at the right end.
double SpanMoment(const BayLoad& bay, double left, double right, double x);

/// Where to evaluate the moment to draw it: `segments` + 1 even steps over 0 .. L
/// and, in the point-load system, X, where the curve has its kink; in
/// increasing order.
std::vector<double> SpanSamples(const BayLoad& bay, int segments);
