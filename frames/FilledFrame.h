#pragma once

// The frames that the benchmarks time and the tests of the frame page draw: F
// floors of N columns, every joint and every bay filled in, 6 m spans in both
// load systems. Here, outside both, so that neither depends on the other.

#include "model/FrameSetup.h"

#include <string>

inline FrameModel FilledFrame(int floors, int columns) {
    FrameModel model;
    SetUpFrame(model, "BENCH", std::to_string(floors), std::to_string(columns));
    const int first = columns + 1;
    const int last = columns * (floors + 1);
    for (int j = first; j <= last; ++j) {
        const bool leftEnd = (j - 1) % columns == 0;
        const bool rightEnd = j % columns == 0;
        const bool top = j > last - columns;
        model.K[j][1] = leftEnd ? 0.0 : 2.0 + j % 3;
        model.K[j][2] = rightEnd ? 0.0 : 2.0 + (j + 1) % 3;
        model.K[j][3] = 1.0 + j % 5 * 0.25;
        model.K[j][4] = top ? 0.0 : 1.0 + (j + columns) % 5 * 0.25;
        model.M1[j] = leftEnd ? 0.0 : -30.0 - j % 7;
        model.M2[j] = rightEnd ? 0.0 : 30.0 + j % 7;
    }
    int record = 1;
    for (int f = 1; f <= floors; ++f) {
        for (int b = 1; b < columns; ++b, ++record) {
            BayLoad& bay = model.BayLoads[record];
            bay.IsPointLoad = record % 2 == 0 ? -1 : 0;
            bay.FloorNo = static_cast<std::int16_t>(f);
            bay.BayNo = static_cast<std::int16_t>(b);
            bay.Udl1 = 10.0 + record % 4;
            bay.Udl2 = 5.0;
            bay.PointLoad1 = 12.0;
            bay.SpanL = 6.0;
            bay.LoadX = 2.0;
        }
    }
    return model;
}
