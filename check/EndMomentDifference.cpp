#include "check/EndMomentDifference.h"

EndMomentDifference CompareEndMoments(const FrameEndMoments& moments,
                                      const FrameEndMoments& exact) {
    EndMomentDifference d;
    d.largestExact = LargestEndMoment(exact);
    for (std::size_t j = 0; j < moments.moments.size(); ++j) {
        for (int m = 1; m <= MemberCount; ++m) {
            const Cell& moment = moments.moments[j][m];
            const Cell& reference = exact.moments[j][m];
            if (moment.isEmpty() || reference.isEmpty()) {
                continue;
            }
            d.add(static_cast<int>(j), m, moment.value(), reference.value());
        }
    }
    return d;
}
