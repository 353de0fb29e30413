#include "analysis/InputCheck.h"

#include "analysis/JointMembers.h"
#include "model/NumberText.h"

#include <array>
#include <bit>

namespace {

/// Why a joint lacks member m (1, 2 or 4; every joint has its column below).
constexpr const char* MissingMember[] = {
    nullptr, "the joint is the first of its floor and has no beam to its left",
    "the joint is the last of its floor and has no beam to its right", nullptr,
    "the joint is on the top floor and has no column above"};

} // namespace

namespace {

std::string MissingMemberMessage(const FrameModel& model, int f, int j, int m) {
    const std::string k = {'k', static_cast<char>('0' + m)};
    return "Joint " + WholeToText(j) + " (floor " + WholeToText(f) + "): " + k + " = " +
           NumberToText(model.K[j][m]) + ", but " + MissingMember[m] + ": set " + k +
           " to 0 on the joint panel.";
}

} // namespace

std::optional<std::string> CheckMembers(const FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    for (int f = 1; f <= counts.floors; ++f) {
        const FloorRange& floor = model.FloorJoints[f];
        for (int j = floor.First; j <= floor.Last; ++j) {
            // Only the members the joint lacks (bits 1..4 not in its mask) are looked at.
            const unsigned lacking = ~MembersOf(counts, floor, f, j).mask & 0b11110U;
            for (unsigned rest = lacking; rest != 0; rest &= rest - 1) {
                const int m = std::countr_zero(rest);
                if (model.K[j][m] != 0) {
                    return MissingMemberMessage(model, f, j, m);
                }
            }
        }
    }
    return std::nullopt;
}

namespace {

std::string StiffnessName(int member, const Cell& k, int joint, int digits) {
    return std::string{'k', static_cast<char>('0' + member)} + " = " +
           NumberToText(k.value(), digits) + (k.isEmpty() ? " (empty)" : "") + " at joint " +
           WholeToText(joint);
}

std::string TwoStiffnessesMessage(const FrameModel& model, const char* member, int j,
                                  int nearMember, int far, int farMember) {
    const Cell& nearK = model.K[j][nearMember];
    const Cell& farK = model.K[far][farMember];
    // Two values that differ beyond the 15 digits a box shows are told apart by 17.
    const int digits = NumberToText(nearK.value()) == NumberToText(farK.value()) ? 17 : 15;
    return std::string("The ") + member + " from joint " + WholeToText(j) + " to joint " +
           WholeToText(far) + " has " + StiffnessName(nearMember, nearK, j, digits) + " but " +
           StiffnessName(farMember, farK, far, digits) +
           ": a member has one stiffness; make them equal on the joint panel.";
}

} // namespace

std::optional<std::string> CheckMemberStiffness(const FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    const int n = counts.columns;
    for (int f = 1; f <= counts.floors; ++f) {
        const FloorRange& floor = model.FloorJoints[f];
        for (int j = floor.First; j <= floor.Last; ++j) {
            if (j != floor.Last && model.K[j][2].value() != model.K[j + 1][1].value()) {
                return TwoStiffnessesMessage(model, "beam", j, 2, j + 1, 1);
            }
            if (f < counts.floors && model.K[j][4].value() != model.K[j + n][3].value()) {
                return TwoStiffnessesMessage(model, "column", j, 4, j + n, 3);
            }
        }
    }
    return std::nullopt;
}

std::string RecordName(const FrameModel& model, int b) {
    const BayLoad& bay = model.BayLoads[b];
    return "Bay record " + WholeToText(b) + " (floor " + WholeToText(bay.FloorNo) + ", bay " +
           WholeToText(bay.BayNo) + ")";
}

std::optional<std::string> CheckBayRecord(const FrameModel& model, int b) {
    const FrameCounts counts = CountsOf(model);
    const BayLoad& bay = model.BayLoads[b];
    switch (FaultOf(counts, bay)) {
    case RecordFault::None:
        return std::nullopt;
    case RecordFault::Floor:
        return RecordName(model, b) +
               " names a floor the frame does not have: enter a floor from 1 to " +
               WholeToText(counts.floors) +
               " on the bay-load panel (a record never filled in has floor 0).";
    case RecordFault::Bay:
        return RecordName(model, b) +
               " names a bay the frame does not have: enter a bay from 1 to " +
               WholeToText(counts.columns - 1) + " on the bay-load panel.";
    case RecordFault::Span:
        return RecordName(model, b) + " has the span L = " + NumberToText(bay.SpanL) +
               ": enter a span greater than 0 on the bay-load panel.";
    case RecordFault::LoadPosition:
        break;
    }
    return RecordName(model, b) + " has its point load at X = " + NumberToText(bay.LoadX) +
           ", outside the span: enter an X from 0 to L = " + NumberToText(bay.SpanL) +
           " on the bay-load panel.";
}

namespace {

std::string TwoRecordsMessage(const FrameModel& model, const BayRecordTable& records) {
    const FrameCounts counts = CountsOf(model);
    const BayLoad& bay = model.BayLoads[static_cast<std::size_t>(records.repeat)];
    std::string message = "Bay records " + WholeToText(records.repeated) + " and " +
                          WholeToText(records.repeat) + " both describe bay " +
                          WholeToText(bay.BayNo) + " of floor " + WholeToText(bay.FloorNo) +
                          ": a bay has one record; change the floor or bay of one of them on the "
                          "bay-load panel";
    // As many records as bays: a bay named twice leaves another without one.
    for (int f = 1; f <= counts.floors; ++f) {
        for (int b = 1; b < counts.columns; ++b) {
            if (records.recordOf(counts, f, b) == 0) {
                return message + " (bay " + WholeToText(b) + " of floor " + WholeToText(f) +
                       " has none yet).";
            }
        }
    }
    return message + ".";
}

} // namespace

std::optional<std::string> CheckOneRecordPerBay(const FrameModel& model,
                                                const BayRecordTable& records) {
    if (records.repeat == 0) {
        return std::nullopt;
    }
    return TwoRecordsMessage(model, records);
}

std::optional<std::string> CheckFrameInput(const FrameModel& model, const BayRecordTable& records) {
    if (auto refusal = CheckMembers(model)) {
        return refusal;
    }
    if (auto refusal = CheckMemberStiffness(model)) {
        return refusal;
    }
    if (records.firstFault != 0) {
        return CheckBayRecord(model, records.firstFault);
    }
    return CheckOneRecordPerBay(model, records);
}
