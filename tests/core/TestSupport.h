#pragma once

// The golden frame, the frames analysed and checked, and the file helpers that
// the core tests share.

#include "analysis/Analysis.h"
#include "check/FrameCheck.h"
#include "model/FrameSetup.h"
#include "page/FramePage.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

/// 'TOWER': four floors of four columns (joints 5..20), so that floors 2 and 3 are
/// neither the first nor the top. Every stored joint has k1..k4, M1 and M2 non-zero
/// and different for the members it has, and 0 stiffness for those it lacks (k1 at a
/// floor's first joint, k2 at its last, k4 on the top floor); joint 10 is never
/// stored. Twelve bay records in both load systems, out of floor order, point loads
/// on both sides of midspan, a UDL record whose ignored X lies beyond its span.
/// Joint 17's small moments give values on both sides of the exponent form. Read
/// from the file beside its golden reports, whose lines are "joint j k1 k2 k3 k4 M1
/// M2" and "bay S b f w1 w2 P L X" (S: -1 for the point-load system, 0 for the UDL
/// system).
inline FrameModel Tower() {
    FrameModel model;
    EXPECT_EQ(SetUpFrame(model, "TOWER", "4", "4"), std::nullopt);
    std::ifstream in(fs::path(VELMORA_TEST_DATA) / "core" / "TOWER-input.txt");
    int records = 0;
    for (std::string kind; in >> kind;) {
        if (kind == "joint") {
            int j = 0;
            double k[4] = {}, m1 = 0, m2 = 0;
            in >> j >> k[0] >> k[1] >> k[2] >> k[3] >> m1 >> m2;
            model.K[j] = {Cell(), k[0], k[1], k[2], k[3]};
            model.M1[j] = m1;
            model.M2[j] = m2;
        } else {
            BayLoad& bay = model.BayLoads[++records];
            in >> bay.IsPointLoad >> bay.BayNo >> bay.FloorNo >> bay.Udl1 >> bay.Udl2 >>
                bay.PointLoad1 >> bay.SpanL >> bay.LoadX;
        }
    }
    return model;
}

/// Three floors of three columns (joints 4..12): stiffnesses that agree between the
/// two ends of each member, every beam and column different, fixed-end moments on
/// every beam, a cantilever at both ends of every floor, and a record for every bay
/// in both load systems.
inline FrameModel CantileverFrame() {
    constexpr int N = 3, Last = 12;
    FrameModel m;
    EXPECT_EQ(SetUpFrame(m, "C", "3", "3"), std::nullopt);
    for (int j = N + 1; j <= Last; ++j) {
        const bool first = j % N == 1, last = j % N == 0, top = j > Last - N;
        m.K[j] = {Cell(), first ? 0 : 2 + 0.5 * ((j - 1) % 4), last ? 0 : 2 + 0.5 * (j % 4),
                  1 + 0.25 * (j % 5), top ? 0 : 1 + 0.25 * ((j + N) % 5)};
        m.M1[j] = first ? -5.0 - j % 3 : -20.0 - (j - 1) % 7;
        m.M2[j] = last ? 7.5 + j % 4 : 20.0 + j % 7;
    }
    for (int r = 1; r <= 6; ++r) { // floor (r + 1) / 2, bays 1 and 2
        const bool point = r % 2 == 0;
        m.BayLoads[r] = {static_cast<std::int16_t>(point ? -1 : 0),
                         static_cast<std::int16_t>(2 - r % 2),
                         static_cast<std::int16_t>((r + 1) / 2),
                         10.0 + r,
                         point ? 4.0 : 0.0,
                         point ? 15.0 : 0.0,
                         5.0 + r,
                         point ? 2.0 : 0.0};
    }
    return m;
}

/// A fixed-base portal, one floor of two columns (corner joints 3 and 4, bases 1
/// and 2): a beam of k = 2 and span 6 under 12 kN/m, typed as wL²/12 = 36 at both
/// ends (M1 of joint 4 stored reversed), on columns of k = kLeft and kRight.
inline FrameModel Portal(double kLeft, double kRight) {
    FrameModel m;
    EXPECT_EQ(SetUpFrame(m, "P", "1", "2"), std::nullopt);
    m.K[3] = {Cell(), 0, 2, kLeft, 0};
    m.K[4] = {Cell(), 2, 0, kRight, 0};
    m.M2[3] = 36;
    m.M1[4] = -36;
    m.BayLoads[1] = {0, 1, 1, 12, 0, 0, 6, 0};
    return m;
}

/// The frame with every load, its load terms and its bays' loads, times `factor`.
inline FrameModel Scaled(FrameModel m, double factor) {
    for (std::size_t j = 0; j < m.M1.size(); ++j) {
        for (Cell* term : {&m.M1[j], &m.M2[j]}) {
            *term = term->isEmpty() ? *term : Cell(*term * factor);
        }
    }
    for (BayLoad& bay : m.BayLoads) {
        for (double* load : {&bay.Udl1, &bay.Udl2, &bay.PointLoad1}) {
            *load *= factor;
        }
    }
    return m;
}

/// A frame analysed and checked as the calculate command does it.
struct CheckedFrame {
    FrameModel model;
    FrameCheck check;
    /// The frame page of the check as it stands, so that a test may change it first.
    std::string page() const { return FramePageText(model, check); }
};

/// `model` analysed, which must succeed, then checked.
inline CheckedFrame Checked(FrameModel model) {
    EXPECT_EQ(RunAnalysis(model), std::nullopt) << model.ProjectName;
    FrameCheck check = CheckFrame(model, BayRecordsOf(model));
    return {std::move(model), std::move(check)};
}

/// What the file at `path` holds; a failure, and "", when it cannot be read.
inline std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file.is_open()) << "cannot read " << path;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

/// A fresh folder under the system's temporary directory, removed with the object.
struct TempDir {
    const fs::path path =
        fs::temp_directory_path() / ("velmora-test-" + std::to_string(std::random_device()()));
    TempDir() { fs::create_directories(path); }
    ~TempDir() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

/// The four reports and the frame page, in the order the calculation lists them.
inline const std::string Suffixes[] = {".txt", "-corrected.txt", "-midspan.txt", "-columnload.txt",
                                       ".html"};

/// Every entry of `folder`: its name in UTF-8, and what it holds (a file) or is (a folder).
inline std::map<std::string, std::string> Entries(const fs::path& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::u8string name = entry.path().filename().u8string();
        entries[std::string(name.begin(), name.end())] =
            entry.is_directory() ? "(a folder)" : ReadFile(entry.path());
    }
    return entries;
}
