#pragma once

#include "check/ExactSolution.h"
#include "model/FrameModel.h"

#include <vector>

/// One bay record's results from the exact end moments, beside the one cycle's.
/// Without an exact solution the fields formed from it (reactions, midspanExact,
/// maxSagging, maxSaggingX) stay 0; the fixed-end moments and the typed load terms
/// are there all the same.
///
/// Moments in kN·m, sagging positive; reactions in kN, upward; x in the unit of L.
struct BayCheck {
    int record = 0, floor = 0, bay = 0;
    double leftReaction = 0, rightReaction = 0; ///< upward, RML − RDL, exact moments
    double midspanOneCycle = 0, midspanExact = 0;
    /// The largest bending moment along the span (sagging positive; negative when the
    /// whole span hogs) and its x from the left end, the leftmost of equal maxima.
    double maxSagging = 0, maxSaggingX = 0;
    double femLeft = 0, femRight = 0; ///< fixed-end moments of the loads, as M2 / M1 are typed
    double typedLeft = 0;             ///< M2 of the left joint
    double typedRight = 0;            ///< M1 of the right joint as typed (TypedM1)
    bool mismatch = false;            ///< |fem − typed| > 0.5 % of the larger, at either end
};

/// Record b's statics from the exact end moments (left at 0 when there is no
/// exact solution), its fixed-end moments and the load terms typed for it. The
/// model is analysed, so record b describes its bay.
BayCheck CheckBay(const FrameModel& model, const ExactSolution& exact, int b);

/// The check of record `record` among `bays` (records 1..TotalBays in order).
inline const BayCheck& BayCheckOf(const std::vector<BayCheck>& bays, int record) {
    return bays[static_cast<std::size_t>(record) - 1];
}
