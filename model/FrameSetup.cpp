#include "model/FrameSetup.h"

#include "model/NumberText.h"

#include <cmath>
#include <limits>

namespace {

// The reports are "c:\velmora\" + name + suffix, and a Windows path holds at most
// 259 characters: with the longest suffix the name may have 233. Counted in
// bytes, which a name in UTF-8 never has fewer of than Windows has characters.
constexpr std::string_view WindowsFolder = "c:\\velmora\\";
constexpr std::string_view LongestSuffix = "-columnload.txt";
constexpr std::size_t MaxNameBytes = 259 - WindowsFolder.size() - LongestSuffix.size();

bool IsWholeInRange(double value, double low, double high) {
    return value == std::floor(value) && value >= low && value <= high;
}

/// Whether Windows opens the report name + ".txt" as a device rather than a
/// file: the name up to its first dot, less the blanks that end it, is CON,
/// PRN, AUX, NUL, COM1..COM9 or LPT1..LPT9 in any letter case.
bool IsDeviceName(std::string_view name) {
    std::string stem(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ') {
        stem.pop_back();
    }
    for (char& c : stem) {
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    const bool numbered = stem.size() == 4 && stem[3] >= '1' && stem[3] <= '9' &&
                          (stem.starts_with("COM") || stem.starts_with("LPT"));
    return numbered || stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL";
}

// The rules are those of Windows file names on every system: the reports may
// be written on, or copied to, a Windows disk or share.
std::optional<std::string> CheckProjectName(std::string_view name) {
    if (name.empty()) {
        return "Enter a project name: it names the five files the calculation writes.";
    }
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\') {
            return "The project name cannot contain '/' or '\\', because it becomes part of "
                   "the report file names.";
        }
        if (byte < 0x20 || byte == 0x7F) {
            return "The project name cannot contain control characters, because it becomes "
                   "part of the report file names.";
        }
        if (std::string_view("<>:\"|?*").find(c) != std::string_view::npos) {
            return "The project name cannot contain any of < > : \" | ? *, because it becomes "
                   "part of the report file names.";
        }
    }
    if (IsDeviceName(name)) {
        return "The project name cannot be CON, PRN, AUX, NUL, COM1 to COM9 or LPT1 to LPT9, "
               "alone or before a dot: Windows reads such a report file name as a device, "
               "and the report would not be written.";
    }
    // Windows drops a blank or a dot that ends a name, so such a project would be
    // known by another name there than the one typed; it is also invisible on
    // the title line of the reports.
    if (!name.empty() && (name.back() == ' ' || name.back() == '.')) {
        return "The project name cannot end in a blank or a dot, which Windows drops from "
               "the end of a name: remove it.";
    }
    if (name.size() > MaxNameBytes) {
        return "The project name is too long to become part of the report file names: at "
               "most " +
               WholeToText(MaxNameBytes) +
               " characters are allowed (a letter outside A to Z may count as two or more).";
    }
    return std::nullopt;
}

struct Counts {
    double floors = 0.0;
    double columns = 0.0;
};

/// Reads and checks the two counts; fills `counts` or returns the refusal.
std::optional<std::string> CheckCounts(std::string_view floorsText, std::string_view columnsText,
                                       Counts& counts) {
    const std::optional<double> floors = TextToNumber(floorsText);
    if (!floors) {
        return "TOTAL NO. OF FLOORS: - holds a number beyond the range the program can store.";
    }
    const std::optional<double> columns = TextToNumber(columnsText);
    if (!columns) {
        return "NO. OF COLOUMNS IN EACH FLOOR : - holds a number beyond the range the program "
               "can store.";
    }
    if (!IsWholeInRange(*floors, 1, MaxFloor)) {
        return "The number of floors must be a whole number from 1 to " + WholeToText(MaxFloor) +
               ".";
    }
    if (*columns == 1) {
        return "A frame of one column has no beams and no bays: the number of columns in each "
               "floor must be at least 2.";
    }
    if (!IsWholeInRange(*columns, 2, std::numeric_limits<double>::max())) {
        return "The number of columns in each floor must be a whole number from 2 up.";
    }
    const double joints = *columns * (*floors + 1);
    if (joints > MaxJoint) {
        // A count near the largest number makes the product infinite: name the count.
        const std::string many = std::isfinite(joints)
                                     ? NumberToText(joints) + " joints"
                                     : NumberToText(*columns) + " columns on each of " +
                                           NumberToText(*floors + 1) + " levels";
        return "The frame would have " + many + " including the base, but at most " +
               WholeToText(MaxJoint) +
               " joints are allowed: the number of columns times the number of floors plus one "
               "must not exceed " +
               WholeToText(MaxJoint) + ".";
    }
    const double bays = *floors * (*columns - 1);
    if (bays > MaxBay) {
        return "The frame would have " + NumberToText(bays) + " bays, but at most " +
               WholeToText(MaxBay) +
               " are allowed: the number of floors times the number of columns less one must not "
               "exceed " +
               WholeToText(MaxBay) + ".";
    }
    counts = {*floors, *columns};
    return std::nullopt;
}

} // namespace

std::optional<std::string> CheckSetup(std::string_view name, std::string_view floorsText,
                                      std::string_view columnsText) {
    Counts counts;
    if (columnsText.empty() || floorsText.empty()) {
        return std::string(IncompleteDataMessage);
    }
    if (auto refusal = CheckCounts(floorsText, columnsText, counts)) {
        return refusal;
    }
    return CheckProjectName(name);
}

std::optional<std::string> SetUpFrame(FrameModel& model, std::string_view name,
                                      std::string_view floorsText, std::string_view columnsText) {
    if (auto refusal = CheckSetup(name, floorsText, columnsText)) {
        return refusal;
    }
    const double floors = *TextToNumber(floorsText);
    const double columns = *TextToNumber(columnsText);
    model.ProjectName = std::string(name);
    model.FloorCount = floors;
    model.ColumnsPerFloor = columns;
    model.BaysPerFloor = columns - 1;
    model.TotalBays = floors * model.BaysPerFloor;
    model.CurrentBay = 1;
    model.LastJoint = columns * (floors + 1);
    double n = columns + 1;
    for (int f = 1; f <= static_cast<int>(floors); ++f) {
        model.FloorJoints[f].First = static_cast<std::int16_t>(n);
        model.FloorJoints[f].Last = static_cast<std::int16_t>(n + columns - 1);
        n = n + columns;
    }
    model.CurrentJoint = model.FloorJoints[1].First;
    return std::nullopt;
}

bool HasValidCounts(const FrameModel& model) {
    const double floors = model.FloorCount;
    const double columns = model.ColumnsPerFloor;
    if (!IsWholeInRange(floors, 1, MaxFloor) || !IsWholeInRange(columns, 2, MaxJoint / 2.0)) {
        return false;
    }
    if (model.LastJoint.value() != columns * (floors + 1) || model.LastJoint.value() > MaxJoint) {
        return false;
    }
    if (model.TotalBays.value() != floors * (columns - 1) || model.TotalBays.value() > MaxBay) {
        return false;
    }
    for (int f = 1; f <= static_cast<int>(floors); ++f) {
        const FloorRange& range = model.FloorJoints[f];
        if (range.First != f * columns + 1 || range.Last != (f + 1) * columns) {
            return false;
        }
    }
    return true;
}
