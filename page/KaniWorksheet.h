#pragma once

#include "check/FrameCheck.h"
#include "model/FrameModel.h"

#include <string>

/// A paragraph, a sentence and the table id "kani": the method's sweep run from zero,
/// as Kani's iteration is tabulated, in Kani's terms. One row per member end with
/// a far joint (joint, member 1..4, its rotation contribution k × M after each
/// shown cycle), then one row per column ("storey f", the joint at its top, its
/// displacement contribution k3 × the storey moment). The cycles are those of
/// check.fromZero from 1 up to its first within 0.1 % (ShownCycles). The sentence
/// gives the cycles at which both starts come within 1 % and 0.1 %, and the end
/// moment in Kani's terms.
void AppendKaniWorksheet(std::string& out, const FrameModel& model, const FrameCheck& check);
