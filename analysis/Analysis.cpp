#include "analysis/Analysis.h"

#include "analysis/BayResults.h"
#include "analysis/EndMoments.h"
#include "analysis/FirstCycle.h"
#include "analysis/FirstCycleSnapshot.h"
#include "analysis/InputCheck.h"
#include "analysis/JointBalance.h"
#include "analysis/JointPreparation.h"
#include "analysis/StoreySway.h"
#include "model/FrameSetup.h"

#include <cfloat>

// Every double operation must round to double at once, as SSE2 does on x86-64:
// an x87 build would keep intermediates in 80 bits and print other digits.
static_assert(FLT_EVAL_METHOD == 0,
              "the analysis needs double arithmetic without excess precision");

std::optional<std::string> RunAnalysis(FrameModel& model, const BayRecordTable& records) {
    if (!HasValidCounts(model)) {
        return "The frame has not been set up: enter the number of floors and of columns "
               "first.";
    }
    if (auto refusal = CheckFrameInput(model, records)) {
        return refusal;
    }
    ClearDerivedTables(model);
    using Stage = StageResult (*)(FrameModel&);
    constexpr Stage stages[] = {PrepareJoints,      ComputeStoreySway, RunFirstCycle,
                                SnapshotFirstCycle, ComputeEndMoments, BalanceJoints,
                                ComputeBayResults};
    for (Stage stage : stages) {
        if (auto fault = stage(model)) {
            return fault;
        }
    }
    return std::nullopt;
}

std::optional<std::string> RunAnalysis(FrameModel& model) {
    return RunAnalysis(model, BayRecordsOf(model));
}
