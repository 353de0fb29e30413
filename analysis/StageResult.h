#pragma once

#include <optional>
#include <string>

// A stage of the analysis (RunAnalysis runs them in order) reads and writes
// tables of the model in place and returns the message of a fault that makes the
// rest of the calculation meaningless (a division without a value, a result
// beyond the range of numbers), or nothing.
//
// Preconditions of every stage: the counts are those of a valid setup
// (HasValidCounts) and every derived table is empty, as after ClearDerivedTables,
// or filled by the stages before it.

using StageResult = std::optional<std::string>;
