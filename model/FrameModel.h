#pragma once

#include "model/Cell.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string>

/// Table bounds of the frame model. Every table is sized from these three
/// numbers and no index may pass them.
inline constexpr int MaxFloor = 6;    ///< floors 0 (the base) .. 6
inline constexpr int MaxJoint = 200;  ///< joints 0 .. 200, base level included
inline constexpr int MaxBay = 100;    ///< bay records 0 .. 100 (record 0 unused)
inline constexpr int MemberCount = 4; ///< members 1 .. 4 per joint
inline constexpr int FirstInt16 = std::numeric_limits<std::int16_t>::min(); ///< -32768
inline constexpr int LastInt16 = std::numeric_limits<std::int16_t>::max();  ///< 32767

/// First and last joint of one floor, 16-bit whole numbers; (0, 0) when unused.
struct FloorRange {
    std::int16_t First = 0;
    std::int16_t Last = 0;
};

/// One bay's loads as entered on the bay-load panel. Every field is zero (and
/// false) until the record is stored.
///
/// Units: loads in kN and kN/m, lengths in the unit of the span L.
struct BayLoad {
    std::int16_t IsPointLoad = 0; ///< -1 for the point-load system, 0 for the UDL system
    std::int16_t BayNo = 0;       ///< bay b within its floor, 1 .. columns - 1 for a real bay
    std::int16_t FloorNo = 0;     ///< floor f of the bay
    double Udl1 = 0.0;            ///< w1, kN/m; over 0..X (point system) or the whole span
    double Udl2 = 0.0;            ///< w2, kN/m; over X..L, point system only
    double PointLoad1 = 0.0;      ///< P at X, kN, point system only
    double SpanL = 0.0;           ///< L
    double LoadX = 0.0;           ///< X, from the left end
};

/// Per-joint table with one cell per member; index [joint][member], member 1..4
/// (index 0 is never used so the member numbers read as they do on the panel).
using MemberTable = std::array<std::array<Cell, MemberCount + 1>, MaxJoint + 1>;
using JointTable = std::array<Cell, MaxJoint + 1>;
using FloorTable = std::array<Cell, MaxFloor + 1>;
/// Per-bay table with one cell per end; index [bay][end], end 1 (left) or 2 (right).
using BayEndTable = std::array<std::array<Cell, 3>, MaxBay + 1>;

/// The whole frame: counts, input cursors, input tables and every derived table.
///
/// Joint numbering: level f (0 .. FloorCount) holds joints f × ColumnsPerFloor + 1
/// .. (f + 1) × ColumnsPerFloor, left to right; level 0 is the base. Member m of
/// joint j leads to j - 1 (left beam), j + 1 (right beam), j - ColumnsPerFloor
/// (column below) and j + ColumnsPerFloor (column above) for m = 1, 2, 3, 4.
struct FrameModel {
    // Set once by the setup.
    std::string ProjectName;
    Cell FloorCount;
    Cell ColumnsPerFloor;
    Cell BaysPerFloor;
    Cell TotalBays;
    Cell LastJoint;
    std::array<FloorRange, MaxFloor + 1> FloorJoints{};

    // Cursors of the joint panel and of the bay-load panel.
    Cell CurrentJoint;
    Cell CurrentBay;

    // Inputs.
    MemberTable K{}; ///< stiffnesses k1..k4
    JointTable M1{}; ///< load term of member 1 (left beam)
    JointTable M2{}; ///< load term of member 2 (right beam)
    std::array<BayLoad, MaxBay + 1> BayLoads{};

    // Derived by the calculation.
    JointTable JointMomentSum{};
    JointTable Q{};
    JointTable MRot0{};
    JointTable MRotWork{};
    MemberTable Y{};
    std::array<std::array<Cell, MaxFloor + 1>, MaxJoint + 1> SwayFactor{}; ///< [joint][floor]
    Cell ColumnKSum;
    FloorTable FloorM0{};
    MemberTable ST{};
    JointTable MRot1{};
    FloorTable FloorM1{};
    MemberTable EndM{};
    Cell JointUnbalance;
    MemberTable CM{};
    BayEndTable RDL{};
    BayEndTable RML{};
    std::array<double, MaxBay + 1> Midspan{};
};

/// The sign rule of M1, the one place it is written. M1 is typed as the same
/// number as the beam's other end takes in M2 (wL²/12 at both ends of a uniform
/// load) and held reversed, so that member 1's end moment with its ends held is
/// −M1 as member 2's is −M2. A zero of either sign is held, and given back, as
/// +0, as the window has always held it: it stores the number its box shows, and
/// a box shows "0" for both zeros.
double StoredM1(double typed);

/// M1 as typed from the one held; an empty cell stays empty.
Cell TypedM1(const Cell& stored);

/// Empties every table that the calculation derives, so that each calculation
/// starts as the first one of a process would.
void ClearDerivedTables(FrameModel& model);

/// The floor whose joint range holds `joint`, or 0 when no floor holds it.
int FloorOfJoint(const FrameModel& model, int joint);

/// The counts of a set-up model as whole numbers, for loops and indices.
struct FrameCounts {
    int floors = 0;    ///< FloorCount
    int columns = 0;   ///< ColumnsPerFloor, N
    int lastJoint = 0; ///< LastJoint
    int totalBays = 0; ///< TotalBays
};

FrameCounts CountsOf(const FrameModel& model);

/// The joint at level `level` (0, the base, .. FloorCount) on column line `line`
/// (1 .. ColumnsPerFloor, from the left): level × ColumnsPerFloor + line. May lie
/// outside the tables for impossible numbers; callers check.
int JointAt(const FrameCounts& counts, int level, int line);

/// Left end joint of bay b of floor f: the joint at level f on column line b. The right end is
/// one more. May lie outside the tables for impossible numbers; callers check.
int BayLeftJoint(const FrameCounts& counts, int floor, int bay);

/// Left end joint of the bay that a record names (FloorNo, BayNo).
int BayLeftJoint(const FrameModel& model, const BayLoad& bay);

/// Whether joint j, of the floor `floor`, carries a cantilever as member 1 (at the
/// floor's first joint) or member 2 (at its last): a non-zero M1 or M2 where the
/// joint has no beam. A load term of 0, stored or empty, is no cantilever, so its
/// end moment stays empty as at every other member the joint lacks.
inline bool HasCantilever(const FrameModel& model, const FloorRange& floor, int j, int member) {
    const Cell& loadTerm = member == 1 ? model.M1[j] : model.M2[j];
    const int freeEnd = member == 1 ? floor.First : floor.Last;
    return j == freeEnd && loadTerm != 0;
}
