#pragma once

#include "check/FrameEndMoments.h"

#include <cmath>
#include <limits>

/// How far a table of end moments is from the exact one: the largest
/// |moment − exact| over the member ends that both tables hold, base ends and
/// cantilevers included, and its share of the largest exact end moment. Every
/// measure of the one cycle and of the repeated cycles is this one.
///
/// Moments in kN·m; a share is a fraction (0.01 is 1 %). A table with a moment
/// that is not finite (an iteration that ran out of the range of numbers) is
/// infinitely far: its share is +∞, never within any share.
struct EndMomentDifference {
    double largestExact = 0;   ///< max |exact end moment|
    double largest = 0;        ///< max |moment − exact| over the finite moments
    int joint = 0, member = 0; ///< the first end with the largest difference; 0 when none differs
    bool finite = true;        ///< every moment compared is a finite number

    /// What a share is taken of: the largest exact end moment, or 1 kN·m for a
    /// frame without a moment, whose differences are then 0 or themselves.
    double scale() const { return largestExact > 0 ? largestExact : 1; }
    double shareOf(double difference) const { return difference / scale(); }
    double share() const {
        return finite ? shareOf(largest) : std::numeric_limits<double>::infinity();
    }

    /// Takes in one more member end: its moment and the exact one. A moment that
    /// is not finite makes the whole table infinitely far; its difference never
    /// counts as the largest.
    void add(int j, int m, double moment, double exact) {
        finite = finite && std::isfinite(moment);
        const double difference = std::fabs(moment - exact);
        if (difference > largest) {
            largest = difference;
            joint = j;
            member = m;
        }
    }
};

/// Compares `moments` with `exact` end by end, joints in increasing order and
/// members 1..4, over the ends where both have a value.
EndMomentDifference CompareEndMoments(const FrameEndMoments& moments, const FrameEndMoments& exact);
