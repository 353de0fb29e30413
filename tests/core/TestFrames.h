#pragma once

#include "model/FrameModel.h"

#include <array>
#include <filesystem>
#include <string>

/// A model set up from valid count texts.
FrameModel SetUpTestFrame(const char* floors, const char* columns, const char* name = "T");

/// Stores k1..k4, M1 and M2 of one joint as the joint panel does.
void StoreJoint(FrameModel& model, int joint, std::array<double, 4> k, double m1, double m2);

/// A UDL record for bay `bayNo` of floor `floorNo`.
BayLoad Udl(int floorNo, int bayNo, double w1, double span);

/// One floor, two columns: joint 3 with k = 0, 2, 2, 0 and M2 = 8, joint 4 with
/// k = 2, 0, 2, 0 and M1 = -8; one UDL bay.
FrameModel OneFloorTwoColumns();

/// Two floors, two columns (joints 3..6), the sway frame worked by hand; no bays.
FrameModel TwoFloorsTwoColumns();

/// 'BLOCK A': two floors, three columns (joints 4..9) and four bay records in
/// both load systems, out of floor order. Joint 8 has no moments stored and
/// joint 7 a tiny one, so the reports show empty cells and exponent forms.
FrameModel BlockA();

std::string ReadFile(const std::filesystem::path& path);

/// A fresh folder under the system's temporary directory, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};
