#include "model/NumberText.h"
#include "report/HtmlText.h"
#include "report/PageTables.h"

#include <cmath>
#include <vector>

namespace {

std::string CycleText(const CycleCount& count) {
    switch (count.outcome) {
    case CycleCount::Outcome::Reached:
        return NumberToText(count.cycles);
    case CycleCount::Outcome::MoreThanLimit:
        return "more than " + NumberToText(CycleLimit);
    case CycleCount::Outcome::Diverged:
        return "diverged";
    case CycleCount::Outcome::NotSolved:
        break;
    }
    return "no exact solution";
}

struct EndMomentRow {
    int joint = 0, member = 0;
    Cell cycle, exact, difference;
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
            EndMomentRow row{j, m, cycle, exact, Cell()};
            if (!cycle.isEmpty() && !exact.isEmpty()) {
                row.difference = cycle.value() - exact.value();
            }
            rows.push_back(row);
        }
    }
    return rows;
}

} // namespace

void AppendCycleTable(std::string& out, const FrameCheck& check) {
    HtmlTable table(out, "cycles", {"tolerance", "cycles"});
    for (const CycleCount& count : check.cycles) {
        table.row().text(NumberToText(count.tolerance * 100, PageDigits) + " %");
        table.text(CycleText(count));
    }
}

void AppendEndMomentTable(std::string& out, const FrameModel& model, const FrameCheck& check) {
    const std::vector<EndMomentRow> rows = EndMomentRows(model, check);
    double largestExact = 0, largestDifference = 0;
    std::size_t marked = rows.size();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        largestExact = std::max(largestExact, std::fabs(rows[r].exact.value()));
        if (std::fabs(rows[r].difference.value()) > largestDifference) {
            largestDifference = std::fabs(rows[r].difference.value());
            marked = r;
        }
    }
    HtmlTable table(out, "end-moments",
                    {"joint", "member", "one cycle, kN·m", "exact, kN·m",
                     "difference (one cycle − exact), kN·m", "% of the largest exact end moment",
                     "mark"});
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const EndMomentRow& row = rows[r];
        table.row(r == marked ? "largest" : "").whole(row.joint).whole(row.member);
        table.number(row.cycle).number(row.exact).number(row.difference);
        table.numberIf(!row.difference.isEmpty() && largestExact > 0,
                       row.difference.value() / largestExact * 100);
        table.text(r == marked ? "largest" : "");
    }
}

void AppendStoreyTable(std::string& out, const FrameModel& model, const FrameCheck& check) {
    HtmlTable table(
        out, "storeys",
        {"storey", "Σ column end moments, one cycle, kN·m", "Σ column end moments, exact, kN·m"});
    const int floors = CountsOf(model).floors;
    for (int f = 1; f <= floors; ++f) {
        const auto s = static_cast<std::size_t>(f);
        table.row().whole(f).number(check.storeys.oneCycle[s]);
        if (check.exact.solved) {
            table.number(check.storeys.exact[s]);
        } else {
            table.empty();
        }
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
        table.row().whole(bay.record).whole(bay.floor).whole(bay.bay);
        table.numberIf(exact, bay.leftReaction).numberIf(exact, bay.rightReaction);
        table.number(bay.midspanOneCycle).numberIf(exact, bay.midspanExact);
        table.numberIf(exact, bay.maxSagging).numberIf(exact, bay.maxSaggingX);
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
