#include "page/CheckTables.h"

#include "markup/HtmlText.h"
#include "model/NumberText.h"

#include <cmath>
#include <vector>

namespace {

/// A sum as the page prints it: 0 when it is rounding, an empty cell when empty.
Cell SumShown(const Cell& sum, double roundingLevel) {
    if (sum.isEmpty()) {
        return sum;
    }
    return std::fabs(sum.value()) < roundingLevel ? Cell(0.0) : sum;
}

struct EndMomentRow {
    int joint = 0, member = 0;
    Cell before, cycle, exact, difference;
};

std::vector<EndMomentRow> EndMomentRows(const FrameModel& model, const FrameCheck& check) {
    std::vector<EndMomentRow> rows;
    const int last = CountsOf(model).lastJoint;
    for (int j = 1; j <= last; ++j) {
        for (int m = 1; m <= MemberCount; ++m) {
            const Cell& cycle = check.oneCycle.moments[static_cast<std::size_t>(j)][m];
            Cell exact = check.exact.endMoments.moments[static_cast<std::size_t>(j)][m];
            if (!check.exact.solved) {
                exact.clear();
            }
            if (cycle.isEmpty() && exact.isEmpty()) {
                continue;
            }
            const Cell& before = check.beforeBalance.moments[static_cast<std::size_t>(j)][m];
            EndMomentRow row{j, m, before, cycle, exact, Cell()};
            if (!cycle.isEmpty() && !exact.isEmpty()) {
                row.difference = cycle.value() - exact.value();
            }
            rows.push_back(row);
        }
    }
    return rows;
}

} // namespace

void AppendEndMomentTable(std::string& out, const FrameModel& model, const FrameCheck& check) {
    const EndMomentDifference& d = check.oneCycleDifference;
    HtmlTable table(out, "end-moments",
                    {"joint", "member", "one cycle, before balance, kN·m",
                     "one cycle, corrected, kN·m", "exact, kN·m",
                     "difference (one cycle − exact), kN·m", "% of the largest exact end moment",
                     "mark"});
    for (const EndMomentRow& row : EndMomentRows(model, check)) {
        const bool marked = row.joint == d.joint && row.member == d.member;
        table.row(marked ? "largest" : "").whole(row.joint).whole(row.member);
        table.number(row.before).number(row.cycle).number(row.exact).number(row.difference);
        table.numberIf(!row.difference.isEmpty(), d.shareOf(row.difference.value()) * 100);
        table.text(marked ? "largest" : "");
    }
}

void AppendStoreyTable(std::string& out, const FrameModel& model, const FrameCheck& check) {
    HtmlTable table(
        out, "storeys",
        {"storey", "Σ column end moments, one cycle, kN·m", "Σ column end moments, exact, kN·m"});
    const int floors = CountsOf(model).floors;
    const double rounding = check.roundingLevel;
    for (int f = 1; f <= floors; ++f) {
        const auto s = static_cast<std::size_t>(f);
        table.row().whole(f).number(SumShown(check.storeys.oneCycle[s], rounding));
        table.number(check.exact.solved ? SumShown(check.storeys.exact[s], rounding) : Cell());
    }
}

void AppendJointTable(std::string& out, const FrameModel& model, const FrameCheck& check) {
    HtmlTable table(out, "joints",
                    {"joint", "unbalance before the balance, kN·m", "Σ after the balance, kN·m",
                     "Σ exact, kN·m"});
    const FrameCounts counts = CountsOf(model);
    const double rounding = check.roundingLevel;
    for (int j = counts.columns + 1; j <= counts.lastJoint; ++j) {
        const auto at = static_cast<std::size_t>(j);
        table.row().whole(j).number(SumShown(check.jointSumBefore[at], rounding));
        table.number(SumShown(check.jointSumOneCycle[at], rounding));
        table.number(check.exact.solved ? SumShown(check.jointSumExact[at], rounding) : Cell());
    }
}

void AppendBayTable(std::string& out, const FrameCheck& check) {
    const bool exact = check.exact.solved;
    HtmlTable table(out, "bays",
                    {"record", "floor", "bay", "left reaction, kN", "right reaction, kN",
                     "midspan, one cycle, kN·m", "midspan, exact, kN·m",
                     "largest sagging moment, kN·m", "its x, m", "fixed-end moment left, loads",
                     "M2 typed", "fixed-end moment right, loads", "M1 typed", "mark"});
    for (const BayCheck& bay : check.bays) {
        table.row(bay.mismatch ? "differs" : "").whole(bay.record).whole(bay.floor).whole(bay.bay);
        table.numberIf(exact, bay.leftReaction).numberIf(exact, bay.rightReaction);
        table.number(bay.midspanOneCycle).numberIf(exact, bay.midspanExact);
        if (exact && bay.maxSagging < 0) { // hogs along the whole span
            table.text("none").empty();
        } else {
            table.numberIf(exact, bay.maxSagging).numberIf(exact, bay.maxSaggingX);
        }
        table.number(bay.femLeft).number(bay.typedLeft);
        table.number(bay.femRight).number(bay.typedRight);
        table.text(bay.mismatch ? "differs" : "");
    }
}

void AppendColumnTables(std::string& out, const FrameCheck& check) {
    const bool exact = check.exact.solved;
    constexpr std::string_view Unknown = "without a cantilever's unknown shear";
    {
        HtmlTable table(out, "columns", {"joint at the top", "storey", "axial force, kN", "note"});
        for (const ColumnForce& column : check.forces.columns) {
            table.row().whole(column.topJoint).whole(column.storey);
            table.numberIf(exact, column.axial);
            table.text(column.cantileverShearUnknown ? Unknown : "");
        }
    }
    HtmlTable table(out, "bases", {"base joint", "vertical reaction, kN", "moment, kN·m", "note"});
    for (const BaseReaction& base : check.forces.bases) {
        table.row().whole(base.joint).numberIf(exact, base.vertical).numberIf(exact, base.moment);
        table.text(base.cantileverShearUnknown ? Unknown : "");
    }
}
