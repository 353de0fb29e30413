#pragma once

#include "model/FrameModel.h"

#include <array>

/// One member of a joint as the rotation sweep and the member-end moments see it.
struct MemberEnd {
    int member = 0; ///< 1 left beam, 2 right beam, 3 column below, 4 column above
    int farEnd = 0; ///< the joint at the member's other end
    int storey = 0; ///< the storey whose sway moment a column carries; 0 for a beam
};

/// The members that a joint has, in the order in which the sweep adds their terms
/// to the joint's rotation moment: the column below, the column above, the right
/// beam, the left beam.
struct JointMembers {
    std::array<MemberEnd, MemberCount> ends{};
    int count = 0;
    unsigned mask = 0; ///< bit m set for each member m that the joint has

    const MemberEnd* begin() const { return ends.data(); }
    const MemberEnd* end() const { return ends.data() + count; }
    bool has(int member) const { return (mask & (1U << member)) != 0; }
};

/// The members of joint j of floor f in a frame of `counts`: every joint has its
/// column below (to the base for floor 1), every floor below the top its column
/// above; a floor's first joint has no left beam and its last no right beam.
/// Storey f joins floor f - 1 to floor f, so the column below carries storey f
/// and the column above storey f + 1.
/// Inline: the sweep and the end moments call it for every joint.
inline JointMembers MembersOf(const FrameCounts& counts, const FloorRange& floor, int f, int j) {
    JointMembers members;
    MemberEnd* next = members.ends.data();
    auto add = [&members, &next](int member, int farEnd, int storey) {
        *next++ = {member, farEnd, storey};
        members.mask |= 1U << member;
    };
    add(3, j - counts.columns, f);
    if (f < counts.floors) {
        add(4, j + counts.columns, f + 1);
    }
    if (j != floor.Last) {
        add(2, j + 1, 0);
    }
    if (j != floor.First) {
        add(1, j - 1, 0);
    }
    members.count = static_cast<int>(next - members.ends.data());
    return members;
}

/// Adds to each floor's entry of `storey` (empty on entry) the storey moment
/// formed from the rotation moments `rotation`: for the joints j of floor f in
/// increasing order, storey(f) + SwayFactor(j, f) × (rotation(j) + rotation(j - N)),
/// the sum over the column's two ends first.
void AddStoreyMoments(const FrameModel& model, const JointTable& rotation, FloorTable& storey);
