#pragma once

#include "model/BayRecords.h"
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

/// Bay record b refused by the first rule it breaks (FaultOf), or nothing.
std::optional<std::string> CheckBayRecord(const FrameModel& model, int b);

/// No two records name the same floor and bay (the repeat that `records` found).
/// With as many records as bays, every bay then has exactly one record, so every
/// beam has its span.
std::optional<std::string> CheckOneRecordPerBay(const FrameModel& model,
                                                const BayRecordTable& records);

/// The checks above in that order: the members, then the records. `records` is
/// the model's BayRecordsOf.
std::optional<std::string> CheckFrameInput(const FrameModel& model, const BayRecordTable& records);

/// "Bay record 3 (floor 2, bay 1)": how the messages name a record.
std::string RecordName(const FrameModel& model, int b);
