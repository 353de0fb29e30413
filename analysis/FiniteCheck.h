#pragma once

#include "model/FrameModel.h"

#include <optional>
#include <string>
#include <string_view>

// Finds the first value of a stage's output that overflowed to infinity or
// became undefined, and names it with its table and its joint, floor or bay.

/// Joints first..last of a per-joint table; `what` names the value ("Q").
std::optional<std::string> FindNonFinite(const JointTable& table, std::string_view what, int first,
                                         int last);

/// Members 1..4 of joints first..last; `what` is followed by the member number
/// ("Y" gives "Y3").
std::optional<std::string> FindNonFinite(const MemberTable& table, std::string_view what, int first,
                                         int last);

/// Floors 1..floors of a per-floor table.
std::optional<std::string> FindNonFiniteFloor(const FloorTable& table, std::string_view what,
                                              int floors);

/// The message for one value; `where` says which ("Q of joint 7").
std::string NonFiniteMessage(std::string_view where);
