#pragma once

#include "analysis/StageResult.h"
#include "model/FrameModel.h"

/// Distributes each joint's unbalance over its members in proportion to their
/// stiffness, giving the corrected member-end moments CM; a cantilever has no
/// stiffness and keeps its moment, so a joint's CM1..CM4 add up to 0 with it.
/// Refuses a joint whose stiffnesses add up to 0 while its moments do not balance.
StageResult BalanceJoints(FrameModel& model);
