#include "check/BayStatics.h"

#include "analysis/BayResults.h"

#include <algorithm>
#include <cmath>

namespace {

/// ∫₀ᵃ x (L − x)² dx and ∫₀ᵃ x² (L − x) dx: the fixed-end moments at the near and
/// at the far end, times L², of a unit load spread from the near end over a.
double NearKernel(double l, double a) {
    return a * a * ((6 * l * l - 8 * l * a) + 3 * a * a) / 12;
}
double FarKernel(double l, double a) {
    return a * a * a * (4 * l - 3 * a) / 12;
}

/// Fixed-end moments, positive for a downward load: w1 over 0..X and w2 over X..L
/// by the kernels (w2 measured from the right end), P X (L − X)² / L² at the left
/// and P X² (L − X) / L² at the right.
void FixedEndMoments(const BayLoad& bay, BayStatics& s) {
    const double l = bay.SpanL, w1 = bay.Udl1;
    if (bay.IsPointLoad == 0) {
        s.femLeft = w1 * l * l / 12;
        s.femRight = s.femLeft;
        return;
    }
    const double w2 = bay.Udl2, p = bay.PointLoad1, x = bay.LoadX, b = l - x;
    s.femLeft = ((w1 * NearKernel(l, x) + w2 * FarKernel(l, b)) + p * x * b * b) / (l * l);
    s.femRight = ((w1 * FarKernel(l, x) + w2 * NearKernel(l, b)) + p * x * x * b) / (l * l);
}

/// The largest bending moment: at an end, under the point load, or where the
/// shear passes through 0 inside a loaded stretch; candidates from left to right.
void FindLargestSpanMoment(const BayLoad& bay, double leftEnd, double v, BayStatics& s) {
    const double l = bay.SpanL, w1 = bay.Udl1;
    const bool point = bay.IsPointLoad != 0;
    const double x = point ? bay.LoadX : l; // end of the stretch that w1 covers
    double at[5] = {0};
    int count = 1;
    if (w1 != 0 && v / w1 > 0 && v / w1 < x) {
        at[count++] = v / w1;
    }
    if (point) {
        at[count++] = x;
        const double zero = bay.Udl2 != 0 ? x + ((v - w1 * x) - bay.PointLoad1) / bay.Udl2 : x;
        if (zero > x && zero < l) {
            at[count++] = zero;
        }
    }
    at[count++] = l;
    s.maxSagging = BendingMomentAt(bay, leftEnd, v, 0);
    s.maxSaggingX = 0;
    for (int i = 1; i < count; ++i) {
        const double moment = BendingMomentAt(bay, leftEnd, v, at[i]);
        if (moment > s.maxSagging) {
            s.maxSagging = moment;
            s.maxSaggingX = at[i];
        }
    }
}

} // namespace

double LeftReaction(const BayLoad& bay, double leftEnd, double rightEnd) {
    return (leftEnd + rightEnd) / bay.SpanL * (-1) - LoadReactions(bay).first;
}

double BendingMomentAt(const BayLoad& bay, double leftEnd, double leftReaction, double x) {
    const double w1 = bay.Udl1;
    const double near = leftEnd + leftReaction * x;
    if (bay.IsPointLoad == 0 || x <= bay.LoadX) {
        return near - w1 * x * x / 2;
    }
    const double a = bay.LoadX, beyond = x - a;
    return ((near - w1 * a * (x - a / 2)) - bay.PointLoad1 * beyond) -
           bay.Udl2 * beyond * beyond / 2;
}

BayStatics BayStaticsOf(const BayLoad& bay, double leftEnd, double rightEnd) {
    BayStatics s;
    s.leftReaction = LeftReaction(bay, leftEnd, rightEnd);
    s.rightReaction = (leftEnd + rightEnd) / bay.SpanL - LoadReactions(bay).second;
    s.midspan = BendingMomentAt(bay, leftEnd, s.leftReaction, bay.SpanL / 2);
    FindLargestSpanMoment(bay, leftEnd, s.leftReaction, s);
    FixedEndMoments(bay, s);
    return s;
}

bool LoadTermDisagrees(double fixedEnd, double typed) {
    return std::fabs(fixedEnd - typed) >
           LoadTermTolerance * std::max(std::fabs(fixedEnd), std::fabs(typed));
}
