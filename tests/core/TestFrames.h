#pragma once

// Frames and helpers shared by the core tests, with the headers they all use.

#include "model/FrameModel.h"
#include "model/FrameSetup.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <span>
#include <string>
#include <vector>

/// One joint as the joint panel stores it: k1..k4, M1 and M2.
struct JointRow {
    int joint;
    std::array<double, 4> k;
    double m1, m2;
};

/// A frame set up from its counts, with the joints and the bay records 1, 2, ... stored.
inline FrameModel StoredFrame(const char* name, const char* floors, const char* columns,
                              std::span<const JointRow> joints, std::span<const BayLoad> bays) {
    FrameModel model;
    EXPECT_EQ(SetUpFrame(model, name, floors, columns), std::nullopt);
    for (const JointRow& row : joints) {
        for (int m = 1; m <= MemberCount; ++m) {
            model.K[row.joint][m] = row.k[m - 1];
        }
        model.M1[row.joint] = row.m1;
        model.M2[row.joint] = row.m2;
    }
    std::copy(bays.begin(), bays.end(), model.BayLoads.begin() + 1);
    return model;
}

/// 'TOWER': four floors of four columns (joints 5..20), so that floors 2 and 3 are
/// neither the first nor the top. Every stored joint has k1..k4, M1 and M2 non-zero
/// and different, the members that lead nowhere included (k1 at a floor's first
/// joint, k2 at its last, k4 on the top floor); joint 10 is never stored. Twelve
/// bay records in both load systems, out of floor order. Joint 17's small moments
/// give values on both sides of the exponent form.
inline FrameModel Tower() {
    const JointRow joints[] = {
        {5, {1.3, 4.2, 3.1, 2.6}, -3.5, 37.5},    {6, {4.4, 5.3, 2.7, 2.2}, -41.5, 28.75},
        {7, {5.1, 3.6, 3.4, 1.9}, -27.25, 31.25}, {8, {3.8, 0.7, 2.9, 2.4}, -33.75, 4.5},
        {9, {0.9, 3.9, 2.3, 1.7}, -2.25, 40.25},  {11, {3.3, 4.7, 2.1, 1.6}, -36.5, 43.5},
        {12, {4.6, 1.1, 2.5, 1.8}, -44.75, 2.75}, {13, {0.6, 3.2, 1.9, 1.4}, -1.75, 25.5},
        {14, {3.5, 2.8, 1.5, 1.3}, -29.5, 35.25}, {15, {2.9, 3.7, 1.8, 1.2}, -38.25, 19.75},
        {16, {3.4, 0.8, 1.6, 1.1}, -21.5, 1.25},  {17, {0.4, 2.6, 1.2, 0.3}, -0.0005, 0.00225},
        {18, {2.7, 2.3, 1.4, 0.2}, -18.5, 17.25}, {19, {2.1, 1.9, 1.1, 0.6}, -23.25, 14.75},
        {20, {1.7, 0.5, 1.3, 0.9}, -16.75, 0.5}};
    const BayLoad bays[] = {
        {0, 1, 1, 12.5, 7.5, 30, 6, 2.5},     {-1, 2, 1, 6.5, 4.5, 20, 7.5, 2.8},
        {0, 3, 1, 9.5, 0, 0, 5.5, 0},         {-1, 3, 2, 3.5, 8.5, 15, 6.2, 4.1},
        {0, 2, 2, 11.25, 3, 18, 7, 1.5},      {-1, 1, 2, 7.75, 2.5, 25, 5.8, 1.9},
        {0, 1, 3, 8.25, 0, 0, 6.4, 0},        {-1, 2, 3, 5.5, 6.25, 12, 6.6, 3.7},
        {0, 3, 3, 10.5, 9, 40, 5.2, 2.6},     {-1, 3, 4, 4.25, 5.75, 9, 4.8, 1.3},
        {-1, 1, 4, 2.75, 3.25, 35, 7.2, 5.4}, {0, 2, 4, 6.75, 1.5, 22, 6.9, 3.3}};
    return StoredFrame("TOWER", "4", "4", joints, bays);
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

/// Expects each of `words` somewhere in `message`.
inline void ExpectMentions(const std::string& message, const std::vector<const char*>& words) {
    for (const char* word : words) {
        EXPECT_NE(message.find(word), std::string::npos) << "'" << word << "' in: " << message;
    }
}

/// A fresh folder under the system's temporary directory, removed with the object.
struct TempDir {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("velmora-test-" + std::to_string(std::random_device()()));
    TempDir() { std::filesystem::create_directories(path); }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};
