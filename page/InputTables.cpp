#include "page/InputTables.h"

#include "markup/HtmlText.h"

void AppendInputTables(std::string& out, const FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    {
        HtmlTable table(out, "input-joints", {"joint", "k1", "k2", "k3", "k4", "M1", "M2"});
        for (int j = counts.columns + 1; j <= counts.lastJoint; ++j) {
            const auto at = static_cast<std::size_t>(j);
            table.row().whole(j);
            for (int m = 1; m <= MemberCount; ++m) {
                table.number(model.K[at][m]);
            }
            table.number(TypedM1(model.M1[at]));
            table.number(model.M2[at]);
        }
    }
    HtmlTable table(
        out, "input-bays",
        {"record", "floor", "bay", "system", "w1, kN/m", "w2, kN/m", "P, kN", "L, m", "X, m"});
    for (int r = 1; r <= counts.totalBays; ++r) {
        const BayLoad& bay = model.BayLoads[static_cast<std::size_t>(r)];
        table.row().whole(r).whole(bay.FloorNo).whole(bay.BayNo);
        table.text(bay.IsPointLoad != 0 ? "Point load" : "UDL");
        table.number(bay.Udl1).number(bay.Udl2).number(bay.PointLoad1);
        table.number(bay.SpanL).number(bay.LoadX);
    }
}
