#include "report/ReportText.h"

#include "model/NumberText.h"

#include <string_view>
#include <utility>

namespace {

constexpr std::string_view LineEnd = "\r\n";

/// Writes report lines into one string, piece by piece.
class LineWriter {
public:
    LineWriter& operator<<(std::string_view piece) {
        text_ += piece;
        return *this;
    }
    LineWriter& operator<<(const Cell& cell) {
        if (!cell.isEmpty()) {
            AppendNumber(text_, cell.value());
        }
        return *this;
    }
    LineWriter& number(double value) {
        AppendNumber(text_, value);
        return *this;
    }
    LineWriter& whole(int value) {
        text_ += std::to_string(value);
        return *this;
    }
    void endLine() { text_ += LineEnd; }

    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

void WriteTitle(LineWriter& out, const FrameModel& model) {
    out << model.ProjectName;
    out.endLine();
    out.endLine();
}

void WriteJointLine(LineWriter& out, const FrameModel& model, int j) {
    out << "M1 = " << model.M1[j] << "    M2 = " << model.M2[j] << "      Q =" << model.Q[j]
        << "    M(0) = " << model.MRot0[j] << "    M(1) = " << model.MRot1[j];
    out << "   k1 = " << model.K[j][1] << "     k2 = " << model.K[j][2]
        << "    k3 = " << model.K[j][3] << "    k4 = " << model.K[j][4];
    out << "      Y1 = " << model.Y[j][1] << "     Y2 = " << model.Y[j][2]
        << "    Y3 = " << model.Y[j][3] << "    Y4 = " << model.Y[j][4];
    out << "     ST1 = " << model.ST[j][1] << "  ST2 = " << model.ST[j][2]
        << "     ST3 = " << model.ST[j][3] << "     ST4 = " << model.ST[j][4];
    out.endLine();
}

void WriteBayStart(LineWriter& out, const BayLoad& bay) {
    out.whole(bay.BayNo) << " - ";
    out.whole(bay.FloorNo) << " - ";
}

} // namespace

std::string MainReportText(const FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    LineWriter out;
    WriteTitle(out, model);
    for (int f = 1; f <= counts.floors; ++f) {
        out << "Floor M";
        out.whole(f) << "   (0)= " << model.FloorM0[f] << "   (1)=" << model.FloorM1[f];
        out.endLine();
    }
    for (int j = counts.columns + 1; j <= counts.lastJoint; ++j) {
        out.endLine();
        out << "JOINT NO. : - ";
        out.whole(j).endLine();
        WriteJointLine(out, model, j);
    }
    return out.take();
}

std::string CorrectedReportText(const FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    LineWriter out;
    WriteTitle(out, model);
    for (int j = counts.columns + 1; j <= counts.lastJoint; ++j) {
        out << "JOINT NO. : - ";
        out.whole(j).endLine();
        const auto& cm = model.CM[j];
        out << "CM1 = " << cm[1] << "   CM2 = " << cm[2] << "  CM3 = " << cm[3]
            << "  CM4 = " << cm[4];
        out.endLine();
    }
    return out.take();
}

std::string MidspanReportText(const FrameModel& model) {
    const int totalBays = CountsOf(model).totalBays;
    LineWriter out;
    for (int b = 1; b <= totalBays; ++b) {
        WriteBayStart(out, model.BayLoads[b]);
        out.number(model.Midspan[b]).endLine();
    }
    return out.take();
}

std::string ColumnLoadReportText(const FrameModel& model) {
    const int totalBays = CountsOf(model).totalBays;
    LineWriter out;
    for (int b = 1; b <= totalBays; ++b) {
        WriteBayStart(out, model.BayLoads[b]);
        out << " RDL 1 = " << model.RDL[b][1] << " RML 1 = " << model.RML[b][1]
            << " RDL 2 = " << model.RDL[b][2] << " RML 2 = " << model.RML[b][2];
        out.endLine();
    }
    return out.take();
}
