#pragma once

#include "model/FrameModel.h"

#include <string>

/// id "input-joints": joint, k1..k4, M1 (as typed, the stored value reversed),
/// M2 for the joints of floors 1..F; id "input-bays": record, floor, bay, system,
/// w1, w2, P, L, X for records 1..TotalBays. Empty cells stay empty.
void AppendInputTables(std::string& out, const FrameModel& model);
