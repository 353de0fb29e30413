#pragma once

#include "model/FrameModel.h"

#include <optional>
#include <string>

// Refusals of input that names nothing real, made before the analysis starts, so
// that no result is formed from a member or a bay the frame does not have. Each
// message names the joint or the record and what to change; the model is not
// touched.

/// A non-zero stiffness for a member that the joint does not have: k1 at a
/// floor's first joint, k2 at its last joint, k4 on the top floor.
std::optional<std::string> CheckMembers(const FrameModel& model);

/// Bay record b: its floor must be 1 to FloorCount, its bay 1 to columns - 1,
/// its span L greater than 0 and, in the point-load system, X from 0 to L.
std::optional<std::string> CheckBayRecord(const FrameModel& model, int b);

/// The two checks above, for every joint and then every record.
std::optional<std::string> CheckFrameInput(const FrameModel& model);

/// "Bay record 3 (floor 2, bay 1)": how the messages name a record.
std::string RecordName(const FrameModel& model, int b);
