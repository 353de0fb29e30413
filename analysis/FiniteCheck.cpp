#include "analysis/FiniteCheck.h"

#include "model/NumberText.h"

#include <cmath>

std::string NonFiniteMessage(std::string_view where) {
    return std::string(where) +
           " is beyond the range of numbers (infinite or undefined): the entered values are too "
           "large for the analysis.";
}

std::optional<std::string> FindNonFinite(const JointTable& table, std::string_view what, int first,
                                         int last) {
    for (int j = first; j <= last; ++j) {
        if (!std::isfinite(table[j].value())) {
            return NonFiniteMessage(std::string(what) + " of joint " + WholeToText(j));
        }
    }
    return std::nullopt;
}

std::optional<std::string> FindNonFinite(const MemberTable& table, std::string_view what, int first,
                                         int last) {
    for (int j = first; j <= last; ++j) {
        for (int m = 1; m <= MemberCount; ++m) {
            if (!std::isfinite(table[j][m].value())) {
                return NonFiniteMessage(std::string(what) + WholeToText(m) + " of joint " +
                                        WholeToText(j));
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> FindNonFiniteFloor(const FloorTable& table, std::string_view what,
                                              int floors) {
    for (int f = 1; f <= floors; ++f) {
        if (!std::isfinite(table[f].value())) {
            return NonFiniteMessage(std::string(what) + " of floor " + WholeToText(f));
        }
    }
    return std::nullopt;
}
