#pragma once

#include "model/FrameModel.h"

#include <optional>
#include <string>

// Refusals of input that names nothing real, made before the analysis starts, so
// that no result is formed from a member or a bay the frame does not have. Each
// message names the joint or the record and what to change; the model is not
// touched. A message is formed only on the way to a refusal.

/// A non-zero stiffness for a member that the joint does not have: k1 at a
/// floor's first joint, k2 at its last joint, k4 on the top floor.
std::optional<std::string> CheckMembers(const FrameModel& model);

/// A member has one stiffness: k2 at joint j must equal k1 at joint j + 1 of the
/// same floor (the beam between them), and k4 at joint j must equal k3 at joint
/// j + N (the column between them). Values compare as numbers: an empty cell
/// is 0, and 0 equals −0.
std::optional<std::string> CheckMemberStiffness(const FrameModel& model);

/// The first rule a bay record breaks: its floor must be 1 to FloorCount, its bay
/// 1 to columns - 1, its span L greater than 0 and, in the point-load system, X
/// from 0 to L. A record that breaks none names a bay of the frame and can be
/// computed.
enum class RecordFault { None, Floor, Bay, Span, LoadPosition };
RecordFault FaultOf(const FrameCounts& counts, const BayLoad& bay);

/// Bay record b refused by the first rule it breaks (FaultOf), or nothing.
std::optional<std::string> CheckBayRecord(const FrameModel& model, int b);

/// No two records name the same floor and bay. With as many records as bays,
/// every bay then has exactly one record, so every beam has its span. Expects
/// every record to have passed CheckBayRecord.
std::optional<std::string> CheckOneRecordPerBay(const FrameModel& model);

/// The checks above in that order: the members, then the records.
std::optional<std::string> CheckFrameInput(const FrameModel& model);

/// "Bay record 3 (floor 2, bay 1)": how the messages name a record.
std::string RecordName(const FrameModel& model, int b);
