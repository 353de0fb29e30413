// The frame page: its numbers, its escaping, the shape of its tables that other
// tools read, and the moment along a beam that its picture draws.
#include "report/FramePage.h"

#include "analysis/Analysis.h"
#include "analysis/FrameCheck.h"
#include "model/FrameSetup.h"
#include "model/NumberText.h"
#include "report/SvgText.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

/// `floors` × `columns` with beams stiffer than columns, a UDL on every bay
/// (spans 6, 5, 7, ... m) typed as wL²/12, one point-load bay on floor 1, and a
/// cantilever at the first joint of floor 2 (M1 typed there, no k1).
FrameModel PageFrame(const char* name, int floors, int columns) {
    FrameModel m;
    EXPECT_EQ(SetUpFrame(m, name, std::to_string(floors), std::to_string(columns)), std::nullopt);
    const auto span = [](int b) { return 5.0 + (b * 2 % 3); };
    int record = 0;
    for (int f = 1; f <= floors; ++f) {
        for (int b = 1; b < columns; ++b) {
            const double l = span(b), w = f == floors ? 12 : 20;
            const bool point = f == 1 && b == 1;
            m.BayLoads[++record] = {static_cast<std::int16_t>(point ? -1 : 0),
                                    static_cast<std::int16_t>(b),
                                    static_cast<std::int16_t>(f),
                                    w,
                                    w,
                                    point ? 60.0 : 0.0,
                                    l,
                                    point ? 2.0 : 0.0};
            const double a = point ? 2 : 0, c = l - a, p = point ? 60 : 0;
            const int j = f * columns + b;
            m.M2[j] = w * l * l / 12 + p * a * c * c / (l * l);
            m.M1[j + 1] = -(w * l * l / 12 + p * a * a * c / (l * l));
        }
        for (int i = 1; i <= columns; ++i) {
            const int j = f * columns + i;
            m.K[j] = {Cell(), i == 1 ? 0 : 2.0, i == columns ? 0 : 2.0, 1.5 - 0.1 * f,
                      f == floors ? 0 : 1.5 - 0.1 * (f + 1)};
        }
    }
    if (floors >= 2) {
        m.M1[2 * columns + 1] = -15.0; // the cantilever, typed 15
    }
    return m;
}

/// The frame analysed and checked, as the calculate command does.
FrameCheck Checked(FrameModel& m) {
    EXPECT_EQ(RunAnalysis(m), std::nullopt);
    return CheckFrame(m);
}

/// Every table of the page: its id and its rows of cell texts, the header first.
std::vector<std::pair<std::string, std::vector<std::vector<std::string>>>>
Tables(const std::string& page) {
    std::vector<std::pair<std::string, std::vector<std::vector<std::string>>>> tables;
    for (std::size_t at = page.find("<table id=\""); at != std::string::npos;
         at = page.find("<table id=\"", at + 1)) {
        const std::size_t idEnd = page.find('"', at + 11);
        auto& [id, rows] = tables.emplace_back(page.substr(at + 11, idEnd - at - 11),
                                               std::vector<std::vector<std::string>>{});
        const std::string body = page.substr(idEnd, page.find("</table>", at) - idEnd);
        for (std::size_t row = body.find("<tr"); row != std::string::npos;
             row = body.find("<tr", row + 1)) {
            auto& cells = rows.emplace_back();
            const std::string line = body.substr(row, body.find("</tr>", row) - row);
            for (std::size_t cell = line.find("<t", 3); cell != std::string::npos;
                 cell = line.find("<t", cell + 1)) {
                const std::size_t start = cell + 4;
                cells.push_back(line.substr(start, line.find("</t", start) - start));
            }
        }
    }
    return tables;
}

/// Writes a page where VELMORA_PAGE_OUT names a folder, to look at or render.
void Keep(const std::string& file, const std::string& page) {
    if (const char* folder = std::getenv("VELMORA_PAGE_OUT")) {
        std::ofstream(std::filesystem::path(folder) / file, std::ios::binary) << page;
    }
}

TEST(FramePage, NumbersHaveSixSignificantDigitsInTheReportsForm) {
    const std::pair<double, const char*> rows[] = {{1234567, "1.23457E+06"},
                                                   {999999.5, "1E+06"},
                                                   {999999, "999999"},
                                                   {123456.5, "123456"},
                                                   {-0.0, "0"},
                                                   {0.000123456789, "0.000123457"},
                                                   {0.00001, "1E-05"},
                                                   {-2.5e-7, "-2.5E-07"},
                                                   {0.1 + 0.2, "0.3"},
                                                   {-41.999999, "-42"},
                                                   {5e-324, "4.94066E-324"},
                                                   {1.7976931348623157e308, "1.79769E+308"}};
    for (const auto& [value, text] : rows) {
        EXPECT_EQ(NumberToText(value, PageDigits), text) << text;
    }
    EXPECT_EQ(NumberToText(Cell(), PageDigits), "");
    for (double value : {0.1 + 0.2, 1234567.891, -2.5e-10, 1e15, 999999999999999.9, 1.0 / 3}) {
        EXPECT_EQ(NumberToText(value, ReportDigits), NumberToText(value)) << value;
    }
}

TEST(FramePage, CoordinatesAreTenthsWrittenTheSameEverywhere) {
    const std::pair<double, const char*> rows[] = {{12.04, "12"},
                                                   {12.05, "12.1"},
                                                   {-0.04, "0"},
                                                   {0.12, "0.1"},
                                                   {-3.25, "-3.3"},
                                                   {1e20, "1000000000"},
                                                   {std::numeric_limits<double>::quiet_NaN(), "0"}};
    for (const auto& [value, text] : rows) {
        std::string out;
        AppendCoordinate(out, value);
        EXPECT_EQ(out, text) << text;
    }
}

// Whatever a name holds stays text; the setup refuses '<', which the name then
// gets here directly.
TEST(FramePage, EscapesEveryTypedText) {
    FrameModel m = PageFrame("A&B's", 1, 2);
    FrameCheck check = Checked(m);
    m.ProjectName = "A&B's <b>\"x\"";
    check.exact.solved = false;
    check.exact.whyNot = "Storey 1 <sways> freely & \"alone\".";
    const std::string page = FramePageText(m, check);
    const std::string escaped = "A&amp;B&#39;s &lt;b&gt;&quot;x&quot;";
    EXPECT_NE(page.find("<title>" + escaped), std::string::npos);
    EXPECT_NE(page.find("<h1>" + escaped + "</h1>"), std::string::npos);
    EXPECT_NE(page.find("aria-label=\"Moment diagram of " + escaped + "\""), std::string::npos);
    EXPECT_NE(page.find("Storey 1 &lt;sways&gt; freely &amp; &quot;alone&quot;."),
              std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
}

const std::pair<const char*, std::size_t> TableShapes[] = {
    {"cycles", 2},  {"end-moments", 7}, {"storeys", 3},      {"bays", 14},
    {"columns", 4}, {"bases", 4},       {"input-joints", 7}, {"input-bays", 9}};

TEST(FramePage, TablesComeInOrderWithTheirColumnsAndRows) {
    FrameModel m = PageFrame("TABLES", 3, 4);
    const FrameCheck check = Checked(m);
    const std::string page = FramePageText(m, check);
    Keep("TABLES.html", page);
    const auto tables = Tables(page);
    ASSERT_EQ(tables.size(), std::size(TableShapes));
    for (std::size_t t = 0; t < tables.size(); ++t) {
        EXPECT_EQ(tables[t].first, TableShapes[t].first);
        for (const auto& row : tables[t].second) {
            EXPECT_EQ(row.size(), TableShapes[t].second) << tables[t].first;
        }
    }
    // Every beam and column end of 3 × 4 (18 beam ends, 24 column ends with the base
    // ends) and the cantilever; joints rising, the largest difference marked once.
    const auto& ends = tables[1].second;
    ASSERT_EQ(ends.size(), 1u + 18 + 24 + 1);
    EXPECT_EQ(ends[1][0] + "/" + ends[1][1], "1/4");
    std::string firstJoint;
    for (std::size_t r = 5; r <= 8; ++r) {
        firstJoint += ends[r][0] + "/" + ends[r][1] + " ";
    }
    EXPECT_EQ(firstJoint, "5/2 5/3 5/4 6/1 "); // no left beam at a floor's first joint
    int marked = 0;
    double largest = 0, markedDifference = 0;
    for (std::size_t r = 1; r < ends.size(); ++r) {
        const double difference = std::fabs(*TextToNumber(ends[r][4]));
        largest = std::max(largest, difference);
        if (ends[r][6] == "largest") {
            ++marked;
            markedDifference = difference;
        }
    }
    EXPECT_EQ(marked, 1);
    EXPECT_EQ(markedDifference, largest);
    EXPECT_EQ(tables[0].second[1][0] + " " + tables[0].second[2][0], "1 % 0.1 %");
    EXPECT_EQ(tables[6].second[5][5], "15"); // joint 9's cantilever, M1 as typed
    EXPECT_EQ(tables[7].second[1][3], "Point load");
}

TEST(FramePage, WithoutAnExactSolutionTheExactColumnsAreEmpty) {
    FrameModel m = PageFrame("SINGULAR", 2, 3);
    FrameCheck check = Checked(m);
    check.exact.solved = false;
    check.exact.whyNot = "The storey 2 columns have no stiffness.";
    const std::string page = FramePageText(m, check);
    Keep("SINGULAR.html", page);
    EXPECT_NE(page.find("no unique solution: The storey 2 columns"), std::string::npos);
    EXPECT_EQ(page.find("class=\"cycle\""), std::string::npos); // the one cycle drawn alone
    const auto tables = Tables(page);
    const std::pair<std::size_t, std::vector<std::size_t>> exactColumns[] = {
        {1, {3, 4, 5}}, {2, {2}}, {3, {3, 4, 6, 7, 8}}, {4, {2}}, {5, {1, 2}}};
    for (const auto& [t, columns] : exactColumns) {
        for (std::size_t r = 1; r < tables[t].second.size(); ++r) {
            for (std::size_t c : columns) {
                EXPECT_EQ(tables[t].second[r][c], "") << tables[t].first << " " << r << " " << c;
            }
        }
    }
}

TEST(FramePage, LoadsNothingAndRunsNothing) {
    FrameModel m = PageFrame("PLAIN", 6, 17);
    const std::string page = FramePageText(m, Checked(m));
    Keep("PLAIN.html", page);
    EXPECT_TRUE(page.starts_with("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset"));
    for (const char* reference : {"<script", "http", "url(", "@import", "src=", "href="}) {
        EXPECT_EQ(page.find(reference), std::string::npos) << reference;
    }
    EXPECT_EQ(page.find('\r'), std::string::npos);
}

} // namespace
