#include "check/EndMomentDifference.h"

#include <algorithm>
#include <cmath>

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
            const double difference = std::fabs(moment.value() - reference.value());
            if (difference > d.largest) {
                d.largest = difference;
                d.joint = static_cast<int>(j);
                d.member = m;
            }
        }
    }
    return d;
}
