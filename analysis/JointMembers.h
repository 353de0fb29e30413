#pragma once

#include "model/FrameModel.h"

#include <array>
#include <type_traits>

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

/// A member number known when the code is compiled, so that the tables indexed by
/// it need no check of the index at run time.
template <int Member> using MemberNumber = std::integral_constant<int, Member>;

/// The members of joint j of floor f in a frame of `counts`, in the sweep's order:
/// every joint has its column below (to the base for floor 1), every floor below
/// the top its column above; a floor's first joint has no left beam and its last
/// no right beam. Storey f joins floor f - 1 to floor f, so the column below
/// carries storey f and the column above storey f + 1. Calls
/// visit(MemberNumber<m>, farEnd, storey) for each; the storey is 0 for a beam.
template <class Visit>
inline void ForEachMember(const FrameCounts& counts, const FloorRange& floor, int f, int j,
                          Visit&& visit) {
    visit(MemberNumber<3>{}, j - counts.columns, f);
    if (f < counts.floors) {
        visit(MemberNumber<4>{}, j + counts.columns, f + 1);
    }
    if (j != floor.Last) {
        visit(MemberNumber<2>{}, j + 1, 0);
    }
    if (j != floor.First) {
        visit(MemberNumber<1>{}, j - 1, 0);
    }
}

/// The members that ForEachMember visits, as a list.
inline JointMembers MembersOf(const FrameCounts& counts, const FloorRange& floor, int f, int j) {
    JointMembers members;
    MemberEnd* next = members.ends.data();
    ForEachMember(counts, floor, f, j, [&members, &next](int member, int farEnd, int storey) {
        *next++ = {member, farEnd, storey};
        members.mask |= 1U << member;
    });
    members.count = static_cast<int>(next - members.ends.data());
    return members;
}
