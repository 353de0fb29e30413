#pragma once

#include "check/ExactSolution.h"
#include "model/BayRecords.h"
#include "model/FrameModel.h"

/// One bay record's results from the exact end moments, beside the one cycle's.
/// Without an exact solution the fields formed from it (reactions, midspanExact,
/// maxSagging, maxSaggingX) stay 0; the fixed-end moments and the typed load terms
/// are there all the same. A record that describes no bay keeps only its numbers
/// and the one cycle's midspan.
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
    double typedRight = 0;            ///< M1 of the right joint as typed (−stored)
    bool mismatch = false;            ///< |fem − typed| > 0.5 % of the larger, at either end
};

/// Record b's statics from the exact end moments (left at 0 when there is no
/// exact solution), its fixed-end moments and the load terms typed for it.
BayCheck CheckBay(const FrameModel& model, const BayRecordTable& records,
                  const ExactSolution& exact, int b);
