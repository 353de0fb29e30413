#include "report/BayResults.h"

#include "TestFrames.h"

#include <gtest/gtest.h>

namespace {

struct BayRow {
    const char* name;
    BayLoad bay; // IsPointLoad, BayNo, FloorNo, w1, w2, P, L, X
    double rdl1, rdl2, rml1, rml2, midspan;
};

// Bay 1 of floor 1 spans joints 3 and 4, where CM(3, 2) = -20 and CM(4, 1) = 25.
const BayRow BayRows[] = {
    {"UDL", {0, 1, 1, 10, 0, 0, 6, 0}, -30, -30, -5.0 / 6, 5.0 / 6, 22.5},
    {"UDL ignores w2, P and X", {0, 1, 1, 10, 7, 9, 6, 2}, -30, -30, -5.0 / 6, 5.0 / 6, 22.5},
    {"point load alone", {-1, 1, 1, 0, 0, 12, 6, 2}, -8, -4, -5.0 / 6, 5.0 / 6, 12},
    // The w2 term of the midspan moment is (L - 2X)^2 w2, not a quarter of it.
    {"w2 from the left end", {-1, 1, 1, 0, 4, 0, 6, 0}, -12, -12, -5.0 / 6, 5.0 / 6, -36},
    // Floor 0, bay 0 names joints 0 and 1, whose CM are empty and count as 0.
    {"record naming the base", {0, 0, 0, 10, 0, 0, 6, 0}, -30, -30, 0, 0, 45}};

TEST(BayResults, ReactionsAndMidspanMoment) {
    for (const BayRow& row : BayRows) {
        SCOPED_TRACE(row.name);
        FrameModel model = SetUpTestFrame("1", "2");
        model.CM[3][2] = -20;
        model.CM[4][1] = 25;
        model.BayLoads[1] = row.bay;
        ASSERT_EQ(ComputeBayResults(model), std::nullopt);
        EXPECT_EQ(model.RDL[1][1].value(), row.rdl1);
        EXPECT_EQ(model.RDL[1][2].value(), row.rdl2);
        EXPECT_EQ(model.RML[1][1].value(), row.rml1);
        EXPECT_EQ(model.RML[1][2].value(), row.rml2);
        EXPECT_EQ(model.Midspan[1], row.midspan);
    }
}

} // namespace
