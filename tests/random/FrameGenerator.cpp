#include "FrameGenerator.h"

#include "model/FrameSetup.h"
#include "model/NumberText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <limits>

namespace {

/// How far a frame strays from an ordinary, complete input.
struct Plan {
    double neverStoredJoint = 0.0; ///< a joint left as the setup left it
    double neverStoredBay = 0.0;   ///< a bay record never stored (L = 0)
    double wildValue = 0.0;        ///< a value drawn from the extremes
    double strayBayNumbers = 0.0;  ///< floor and bay numbers not of the record's bay
    double missingMember = 0.0;    ///< a member the joint has gets no stiffness
    bool extremes = false;         ///< wild values include huge ones and any bit pattern
};

Plan DrawPlan(Random& random) {
    const int kind = random.between(0, 99);
    if (kind < 45) {
        return {}; // complete and ordinary
    }
    if (kind < 65) {
        return {random.uniform(0, 0.4), random.uniform(0, 0.05), 0.0, random.uniform(0, 0.1),
                random.uniform(0, 0.2)};
    }
    if (kind < 90) {
        return {0.01, 0.002, random.uniform(0.002, 0.1), 0.005, 0.05, random.chance(0.2)};
    }
    return {random.uniform(0, 0.5), random.uniform(0, 0.2), 1.0,
            random.uniform(0, 1),   random.uniform(0, 0.5), true};
}

double WithRandomSign(Random& random, double magnitude) {
    return random.chance(0.5) ? -magnitude : magnitude;
}

/// A finite value from the corners of the number range: zeros of both signs,
/// small whole numbers, tiny and subnormal values, any magnitude a user could
/// type, and with `extremes` also huge values and any finite bit pattern.
double WildValue(Random& random, bool extremes) {
    constexpr double largest = std::numeric_limits<double>::max();
    switch (random.between(0, extremes ? 8 : 5)) {
    case 0:
        return 0.0;
    case 1:
        return -0.0;
    case 2:
        return random.between(-3, 3);
    case 3:
        return random.uniform(-1e3, 1e3);
    case 4: // tiny, subnormal included
        return WithRandomSign(random,
                              std::pow(10.0, random.between(-323, -290)) * random.uniform(1, 10));
    case 5:
        return WithRandomSign(random, std::pow(10.0, random.uniform(-15, 15)));
    case 6: // huge
        return WithRandomSign(random,
                              std::pow(10.0, random.between(150, 307)) * random.uniform(1, 1.79));
    case 7: {
        constexpr std::array<double, 3> corners = {largest, std::numeric_limits<double>::min(),
                                                   std::numeric_limits<double>::denorm_min()};
        return WithRandomSign(random, corners[static_cast<std::size_t>(random.between(0, 2))]);
    }
    default: { // any finite bit pattern
        double value = std::bit_cast<double>(random.bits());
        while (!std::isfinite(value)) {
            value = std::bit_cast<double>(random.bits());
        }
        return value;
    }
    }
}

/// An ordinary value in [low, high], or a wild one as often as the plan says.
double Value(Random& random, const Plan& plan, double low, double high) {
    if (random.chance(plan.wildValue)) {
        return WildValue(random, plan.extremes);
    }
    return std::round(random.uniform(low, high) * 100) / 100;
}

int JointsPerFloor(const FrameModel& model) {
    return static_cast<int>(model.ColumnsPerFloor.value());
}

void FillJoints(FrameModel& model, Random& random, const Plan& plan) {
    const int floors = static_cast<int>(model.FloorCount.value());
    const int n = JointsPerFloor(model);
    // One stiffness per beam and per column, so that both ends of a member agree
    // as they do in a real frame; the plan then spoils some of them.
    std::array<double, MaxJoint + 2> beamRight{};
    std::array<double, MaxJoint + 2> columnBelow{};
    for (int j = 0; j <= MaxJoint; ++j) {
        beamRight[j] = Value(random, plan, 0.5, 20);
        columnBelow[j] = Value(random, plan, 0.5, 20);
    }
    for (int f = 1; f <= floors; ++f) {
        const int first = model.FloorJoints[f].First;
        const int last = model.FloorJoints[f].Last;
        for (int j = first; j <= last; ++j) {
            model.K[j] = {};
            model.M1[j].clear();
            model.M2[j].clear();
            if (random.chance(plan.neverStoredJoint)) {
                continue;
            }
            const bool hasLeft = j > first;
            const bool hasRight = j < last;
            const bool hasAbove = f < floors;
            const std::array<double, 4> stiffness = {hasLeft ? beamRight[j - 1] : 0.0,
                                                     hasRight ? beamRight[j] : 0.0, columnBelow[j],
                                                     hasAbove ? columnBelow[j + n] : 0.0};
            for (int m = 1; m <= MemberCount; ++m) {
                double k = stiffness[static_cast<std::size_t>(m - 1)];
                if (random.chance(plan.missingMember)) {
                    k = 0.0;
                } else if (random.chance(plan.wildValue)) {
                    k = WildValue(random, plan.extremes);
                }
                model.K[j][m] = k;
            }
            model.M1[j] = hasLeft ? -Value(random, plan, 0, 300) : Value(random, plan, 0, 0);
            model.M2[j] = hasRight ? Value(random, plan, 0, 300) : Value(random, plan, 0, 0);
        }
    }
}

std::int16_t StrayNumber(Random& random) {
    switch (random.between(0, 3)) {
    case 0:
        return static_cast<std::int16_t>(random.between(-3, 8));
    case 1:
        return static_cast<std::int16_t>(random.between(-300, 300));
    case 2:
        return random.chance(0.5) ? std::numeric_limits<std::int16_t>::min()
                                  : std::numeric_limits<std::int16_t>::max();
    default:
        return static_cast<std::int16_t>(random.between(-32768, 32767));
    }
}

void FillBays(FrameModel& model, Random& random, const Plan& plan) {
    const int totalBays = static_cast<int>(model.TotalBays.value());
    const int bays = static_cast<int>(model.BaysPerFloor.value());
    for (int b = 1; b <= MaxBay; ++b) {
        model.BayLoads[b] = {};
    }
    const bool shuffled = random.chance(0.3);
    for (int b = 1; b <= totalBays; ++b) {
        if (random.chance(plan.neverStoredBay)) {
            continue;
        }
        BayLoad& bay = model.BayLoads[b];
        // Records in the order of the frame, or each naming a bay of its own choice.
        const int index = shuffled ? random.between(0, totalBays - 1) : b - 1;
        bay.FloorNo = static_cast<std::int16_t>(index / bays + 1);
        bay.BayNo = static_cast<std::int16_t>(index % bays + 1);
        if (random.chance(plan.strayBayNumbers)) {
            bay.FloorNo = StrayNumber(random);
        }
        if (random.chance(plan.strayBayNumbers)) {
            bay.BayNo = StrayNumber(random);
        }
        bay.IsPointLoad = random.chance(0.5) ? -1 : 0;
        bay.Udl1 = Value(random, plan, 0, 50);
        bay.Udl2 = Value(random, plan, 0, 50);
        bay.PointLoad1 = Value(random, plan, 0, 200);
        bay.SpanL = Value(random, plan, 2, 12);
        bay.LoadX = random.chance(plan.wildValue) ? WildValue(random, plan.extremes)
                                                  : std::round(random.unit() * bay.SpanL * 4) / 4;
    }
}

/// Floors and columns within the limits, the extremes more often than chance.
std::array<int, 2> DrawCounts(Random& random) {
    switch (random.between(0, 19)) {
    case 0:
    case 1:
        return {1, 100};
    case 2:
    case 3:
        return {6, 17};
    case 4:
        return {1, 2};
    case 5:
        return {6, 2};
    default:
        break;
    }
    const int floors = random.between(1, MaxFloor);
    const int mostColumns = std::min(MaxJoint / (floors + 1), MaxBay / floors + 1);
    return {floors, random.between(2, mostColumns)};
}

/// The same count as a user might type it.
std::string CountText(Random& random, int count) {
    std::string plain = std::to_string(count);
    switch (random.between(0, 7)) {
    case 0:
        return std::string(1, ' ').append(plain).append(1, ' ');
    case 1:
        return plain + ".0";
    case 2:
        return std::string("&H").append(plain); // below 10, hexadecimal reads the same
    default:
        return plain;
    }
}

/// Texts that the setup must refuse.
std::array<std::string, 2> RefusedCounts(Random& random) {
    constexpr std::array<const char*, 8> floors = {"0", "7", "1.5", "-2", "1E400", "abc", "6", "2"};
    constexpr std::array<const char*, 8> columns = {"1",   "0",  "2.5",   "18",
                                                    "201", "-3", "1E400", "150"};
    for (;;) {
        std::string f = floors[static_cast<std::size_t>(random.between(0, 7))];
        std::string c = columns[static_cast<std::size_t>(random.between(0, 7))];
        if (CheckSetup("", f, c)) {
            return {f, c};
        }
    }
}

std::string DrawName(Random& random) {
    constexpr std::string_view letters = "ABCDEFGHJKLMOPQRSTUVWXYZ0123456789 _-.";
    std::string name;
    const int length = random.between(0, 12);
    for (int i = 0; i < length; ++i) {
        name.push_back(letters[static_cast<std::size_t>(
            random.between(0, static_cast<int>(letters.size()) - 1))]);
    }
    return name;
}

} // namespace

void FillInputs(FrameModel& model, Random& random) {
    const Plan plan = DrawPlan(random);
    FillJoints(model, random, plan);
    FillBays(model, random, plan);
}

GeneratedFrame GenerateFrame(std::uint64_t seed) {
    Random random(seed);
    GeneratedFrame frame;
    frame.seed = seed;
    frame.model = std::make_unique<FrameModel>();
    frame.name = DrawName(random);
    if (random.chance(0.03)) {
        auto [floors, columns] = RefusedCounts(random);
        frame.floorsText = floors;
        frame.columnsText = columns;
    } else {
        const auto [floors, columns] = DrawCounts(random);
        frame.floorsText = floors < 10 ? CountText(random, floors) : std::to_string(floors);
        frame.columnsText = columns < 10 ? CountText(random, columns) : std::to_string(columns);
    }
    frame.setUp =
        !SetUpFrame(*frame.model, frame.name, frame.floorsText, frame.columnsText).has_value();
    if (frame.setUp) {
        FillInputs(*frame.model, random);
    }
    return frame;
}
