#include "TestFrames.h"

#include "model/FrameSetup.h"

#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

FrameModel SetUpTestFrame(const char* floors, const char* columns, const char* name) {
    FrameModel model;
    if (auto refusal = SetUpFrame(model, name, floors, columns)) {
        throw std::logic_error(*refusal);
    }
    return model;
}

void StoreJoint(FrameModel& model, int joint, std::array<double, 4> k, double m1, double m2) {
    for (int m = 1; m <= MemberCount; ++m) {
        model.K[joint][m] = k[m - 1];
    }
    model.M1[joint] = m1;
    model.M2[joint] = m2;
}

BayLoad Udl(int floorNo, int bayNo, double w1, double span) {
    BayLoad bay;
    bay.FloorNo = static_cast<std::int16_t>(floorNo);
    bay.BayNo = static_cast<std::int16_t>(bayNo);
    bay.Udl1 = w1;
    bay.SpanL = span;
    return bay;
}

FrameModel OneFloorTwoColumns() {
    FrameModel model = SetUpTestFrame("1", "2", "ONE");
    StoreJoint(model, 3, {0, 2, 2, 0}, 0, 8);
    StoreJoint(model, 4, {2, 0, 2, 0}, -8, 0);
    model.BayLoads[1] = Udl(1, 1, 10, 6);
    return model;
}

FrameModel TwoFloorsTwoColumns() {
    FrameModel model = SetUpTestFrame("2", "2", "TWO");
    StoreJoint(model, 3, {0, 2, 1, 1}, 0, 8);
    StoreJoint(model, 4, {2, 0, 1, 1}, -4, 0);
    StoreJoint(model, 5, {0, 1, 1, 0}, 0, 4);
    StoreJoint(model, 6, {1, 0, 1, 0}, -2, 0);
    return model;
}

FrameModel BlockA() {
    FrameModel model = SetUpTestFrame("2", "3", "BLOCK A");
    StoreJoint(model, 4, {0, 4, 3, 2}, 0, 24);
    StoreJoint(model, 5, {4, 5, 3, 2}, -24, 30);
    StoreJoint(model, 6, {5, 0, 3, 2}, -30, 0);
    StoreJoint(model, 7, {0, 2, 2, 0}, 0, 0.0002);
    StoreJoint(model, 8, {2, 2.5, 2, 0}, 0, 0);
    model.M1[8].clear(); // never entered
    model.M2[8].clear();
    StoreJoint(model, 9, {2.5, 0, 2, 0}, -15, 0);
    // IsPointLoad, BayNo, FloorNo, w1, w2, P, L, X
    model.BayLoads[1] = {0, 1, 1, 12, 0, 0, 6, 0};
    model.BayLoads[2] = {-1, 2, 1, 6, 4, 20, 7.5, 3};
    model.BayLoads[3] = {0, 2, 2, 8, 99, 99, 7.5, 1}; // UDL: w2, P and X play no part
    model.BayLoads[4] = {-1, 1, 2, 0, 0, 10, 6, 3};
    return model;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TempDir::TempDir() {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    path_ = fs::temp_directory_path() / ("velmora-" + std::string(test ? test->name() : "test") +
                                         "-" + std::to_string(std::random_device()()));
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}
