#pragma once

#include "model/FrameModel.h"

#include <string>

/// id "factors": joint, the restrained moment (the sum of the clockwise fixed-end
/// moments at the joint, a cantilever's included), Q, M(0), Y1..Y4 and the sway
/// factor of the column below the joint in its storey, for the joints of floors
/// 1..F: the model's own tables, as the main report prints them.
void AppendFactorTable(std::string& out, const FrameModel& model);

/// The restrained moment of joint j in kN·m, clockwise positive: the fixed-end
/// moments of its beams and cantilever, each minus its load term. So M(0) of the
/// joint is −(this) / Q.
double RestrainedMoment(const FrameModel& model, int j);
