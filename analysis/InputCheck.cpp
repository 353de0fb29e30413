#include "analysis/InputCheck.h"

#include "analysis/JointMembers.h"
#include "model/NumberText.h"

#include <array>

namespace {

/// Why a joint lacks member m (1, 2 or 4; every joint has its column below).
constexpr const char* MissingMember[] = {
    nullptr, "the joint is the first of its floor and has no beam to its left",
    "the joint is the last of its floor and has no beam to its right", nullptr,
    "the joint is on the top floor and has no column above"};

} // namespace

std::optional<std::string> CheckMembers(const FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    for (int f = 1; f <= counts.floors; ++f) {
        const FloorRange& floor = model.FloorJoints[f];
        for (int j = floor.First; j <= floor.Last; ++j) {
            std::array<bool, MemberCount + 1> has{};
            for (const MemberEnd& end : MembersOf(counts, floor, f, j)) {
                has[static_cast<std::size_t>(end.member)] = true;
            }
            for (int m = 1; m <= MemberCount; ++m) {
                if (!has[static_cast<std::size_t>(m)] && model.K[j][m] != 0) {
                    const std::string k = {'k', static_cast<char>('0' + m)};
                    return "Joint " + std::to_string(j) + " (floor " + std::to_string(f) +
                           "): " + k + " = " + NumberToText(model.K[j][m]) + ", but " +
                           MissingMember[m] + ": set " + k + " to 0 on the joint panel.";
                }
            }
        }
    }
    return std::nullopt;
}

namespace {

std::string StiffnessName(int member, const Cell& k, int joint) {
    return std::string{'k', static_cast<char>('0' + member)} + " = " + NumberToText(k.value()) +
           (k.isEmpty() ? " (empty)" : "") + " at joint " + std::to_string(joint);
}

/// The refusal of a member whose two ends hold different stiffnesses, or nothing.
std::optional<std::string> CompareEnds(const FrameModel& model, const char* member, int j,
                                       int nearMember, int far, int farMember) {
    const Cell& nearK = model.K[j][nearMember];
    const Cell& farK = model.K[far][farMember];
    if (nearK.value() == farK.value()) {
        return std::nullopt;
    }
    return std::string("The ") + member + " from joint " + std::to_string(j) + " to joint " +
           std::to_string(far) + " has " + StiffnessName(nearMember, nearK, j) + " but " +
           StiffnessName(farMember, farK, far) +
           ": a member has one stiffness; make them equal on the joint panel.";
}

} // namespace

std::optional<std::string> CheckMemberStiffness(const FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    for (int f = 1; f <= counts.floors; ++f) {
        const FloorRange& floor = model.FloorJoints[f];
        for (int j = floor.First; j <= floor.Last; ++j) {
            if (j != floor.Last) {
                if (auto refusal = CompareEnds(model, "beam", j, 2, j + 1, 1)) {
                    return refusal;
                }
            }
            if (f < counts.floors) {
                if (auto refusal = CompareEnds(model, "column", j, 4, j + counts.columns, 3)) {
                    return refusal;
                }
            }
        }
    }
    return std::nullopt;
}

std::string RecordName(const FrameModel& model, int b) {
    const BayLoad& bay = model.BayLoads[b];
    return "Bay record " + std::to_string(b) + " (floor " + std::to_string(bay.FloorNo) + ", bay " +
           std::to_string(bay.BayNo) + ")";
}

std::optional<std::string> CheckBayRecord(const FrameModel& model, int b) {
    const FrameCounts counts = CountsOf(model);
    const BayLoad& bay = model.BayLoads[b];
    if (bay.FloorNo < 1 || bay.FloorNo > counts.floors) {
        return RecordName(model, b) +
               " names a floor the frame does not have: enter a floor from 1 to " +
               std::to_string(counts.floors) +
               " on the bay-load panel (a record never filled in has floor 0).";
    }
    if (bay.BayNo < 1 || bay.BayNo > counts.columns - 1) {
        return RecordName(model, b) +
               " names a bay the frame does not have: enter a bay from 1 to " +
               std::to_string(counts.columns - 1) + " on the bay-load panel.";
    }
    if (!(bay.SpanL > 0)) {
        return RecordName(model, b) + " has the span L = " + NumberToText(bay.SpanL) +
               ": enter a span greater than 0 on the bay-load panel.";
    }
    if (bay.IsPointLoad != 0 && !(bay.LoadX >= 0 && bay.LoadX <= bay.SpanL)) {
        return RecordName(model, b) + " has its point load at X = " + NumberToText(bay.LoadX) +
               ", outside the span: enter an X from 0 to L = " + NumberToText(bay.SpanL) +
               " on the bay-load panel.";
    }
    return std::nullopt;
}

std::optional<std::string> CheckOneRecordPerBay(const FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    // The record that names each bay, by its left joint; 0 for none yet.
    std::array<int, MaxJoint + 1> recordAt{};
    for (int b = 1; b <= counts.totalBays; ++b) {
        int& seen = recordAt[static_cast<std::size_t>(BayLeftJoint(model, model.BayLoads[b]))];
        if (seen == 0) {
            seen = b;
            continue;
        }
        const BayLoad& bay = model.BayLoads[b];
        std::string message = "Bay records " + std::to_string(seen) + " and " + std::to_string(b) +
                              " both describe bay " + std::to_string(bay.BayNo) + " of floor " +
                              std::to_string(bay.FloorNo) +
                              ": a bay has one record; change the floor or bay of one of them "
                              "on the bay-load panel";
        // As many records as bays: a bay named twice leaves another without one.
        for (int f = 1; f <= counts.floors; ++f) {
            for (int bayNo = 1; bayNo < counts.columns; ++bayNo) {
                if (recordAt[static_cast<std::size_t>(f * counts.columns + bayNo)] == 0) {
                    return message + " (bay " + std::to_string(bayNo) + " of floor " +
                           std::to_string(f) + " has none yet).";
                }
            }
        }
        return message + ".";
    }
    return std::nullopt;
}

std::optional<std::string> CheckFrameInput(const FrameModel& model) {
    if (auto refusal = CheckMembers(model)) {
        return refusal;
    }
    if (auto refusal = CheckMemberStiffness(model)) {
        return refusal;
    }
    for (int b = 1; b <= CountsOf(model).totalBays; ++b) {
        if (auto refusal = CheckBayRecord(model, b)) {
            return refusal;
        }
    }
    return CheckOneRecordPerBay(model);
}
