#pragma once

#include "Random.h"
#include "model/FrameModel.h"

#include <cstdint>
#include <memory>
#include <string>

/// A frame as a user could have typed it: the setup texts and, when the setup
/// is accepted, the model as the panels would leave it.
struct GeneratedFrame {
    std::uint64_t seed = 0;
    std::string name;
    std::string floorsText;
    std::string columnsText;
    bool setUp = false;                ///< the setup accepted the texts
    std::unique_ptr<FrameModel> model; ///< set up and filled; bare when !setUp
};

/// The frame that `seed` stands for. Counts run from 1 floor × 2 columns up to
/// the largest frames the tables allow; values are ordinary, zero, negative,
/// tiny or huge; some joints and bay records are never stored, some records
/// name impossible joints, and a few setups are refused.
GeneratedFrame GenerateFrame(std::uint64_t seed);

/// Overwrites every input of a set-up model (stiffnesses, joint moments, bay
/// records) with new values drawn from `random`, keeping the counts.
void FillInputs(FrameModel& model, Random& random);
