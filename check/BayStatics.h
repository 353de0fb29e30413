#pragma once

#include "model/FrameModel.h"

/// What statics gives for one bay from its loads and its two end moments, in the
/// reports' conventions: end moments clockwise positive on the member end (the
/// left one is the left joint's member 2, the right one the right joint's member 1),
/// reactions upward, bending moments sagging positive.
///
/// UDL system: w1 over the span. Point-load system: w1 from 0 to X, w2 from X to L,
/// P at X. Loads positive downward.
struct BayStatics {
    double leftReaction = 0, rightReaction = 0; ///< RML − RDL at each end
    double midspan = 0;                         ///< M(L/2)
    double maxSagging = 0;  ///< the largest M(x) on 0 ≤ x ≤ L; negative when all of it hogs
    double maxSaggingX = 0; ///< where, from the left end; the leftmost of equal maxima
    double femLeft = 0, femRight = 0; ///< fixed-end moments of the loads, as M2 / M1 are typed
};

/// The upward reaction at the left end: RML 1 − RDL 1, with RML 1 the reaction of
/// the end moments, −(leftEnd + rightEnd) / L.
double LeftReaction(const BayLoad& bay, double leftEnd, double rightEnd);

/// The bending moment at x of a bay whose upward left reaction is `leftReaction`:
///   M(x) = leftEnd + leftReaction × x − (moment about x of the loads left of x),
/// which is the simple span's moment plus leftEnd (1 − x/L) − rightEnd x/L, so it
/// is leftEnd at x = 0 and −rightEnd at x = L.
double BendingMomentAt(const BayLoad& bay, double leftEnd, double leftReaction, double x);

/// The reactions, midspan and largest moment of the bay under its loads and the
/// end moments `leftEnd` and `rightEnd`, and the fixed-end moments of its loads.
/// The span L must be greater than 0 and X within it.
BayStatics BayStaticsOf(const BayLoad& bay, double leftEnd, double rightEnd);

/// How far a typed load term may be from the fixed-end moment of the bay's loads:
/// a share of the larger of the two magnitudes (0.005 is 0.5 %).
inline constexpr double LoadTermTolerance = 0.005;

/// Whether a typed load term disagrees with the fixed-end moment of the bay's
/// loads: by more than LoadTermTolerance of the larger of the two magnitudes.
bool LoadTermDisagrees(double fixedEnd, double typed);
