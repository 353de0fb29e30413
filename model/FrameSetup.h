#pragma once

#include "model/FrameModel.h"

#include <optional>
#include <string>
#include <string_view>

/// The message shown when a count box of the setup is left empty.
inline constexpr std::string_view IncompleteDataMessage = "Incomplete Data";

/// Checks the setup texts as typed: the project name and the two count boxes
/// ("TOTAL NO. OF FLOORS: -" and "NO. OF COLOUMNS IN EACH FLOOR : -").
///
/// Refused, each with its own message, in this order: an empty count box
/// ("Incomplete Data"; blanks are not empty), a count beyond the range of a
/// number, floors not a whole number from 1 to 6, columns not a whole number
/// from 2 up, more than 200 joints, more than 100 bays, and a project name that
/// cannot become part of a report file name by the rules of Windows, which hold
/// on every system, or is empty.
///
/// Returns the message of the first refusal, or nothing when the setup is valid.
std::optional<std::string> CheckSetup(std::string_view name, std::string_view floorsText,
                                      std::string_view columnsText);

/// Checks the setup and, when it is valid, sizes the model: ProjectName, the
/// five counts, FloorJoints, CurrentJoint (first joint of floor 1) and
/// CurrentBay (1). A refused setup leaves the model untouched and returns the
/// message of CheckSetup.
std::optional<std::string> SetUpFrame(FrameModel& model, std::string_view name,
                                      std::string_view floorsText, std::string_view columnsText);

/// Whether the model's counts are those of a valid setup (whole numbers within
/// the table limits, at least one floor and two columns).
bool HasValidCounts(const FrameModel& model);
