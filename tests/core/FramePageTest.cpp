// The frame page: its numbers, its escaping, the shape of its tables that other
// tools read.
#include "page/FramePage.h"

#include "PageReader.h"
#include "TestSupport.h"
#include "markup/SvgText.h"
#include "model/NumberText.h"
#include "report/ReportText.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(FramePage, CoordinatesAreTenthsWrittenTheSameEverywhere) {
    std::string out;
    for (const double value : {12.04, 12.05, -0.04, -3.25, 1e20, std::nan("")}) {
        AppendCoordinate(out, value);
        out += ' ';
    }
    EXPECT_EQ(out, "12 12.1 0 -3.3 1000000000 0 ");
}

// An unloaded portal: one floor, one bay and one record are named in the
// singular; a span without any moment has 0 as its largest, at its left end (only
// a span whose moment is below 0 all along has "none"), and no load term differs
// from no load. A joint already in balance keeps its end moments as CM, every
// member written: 0 for each, none left empty.
TEST(FramePage, AnUnloadedPortal) {
    FrameModel m = Portal(3, 3);
    m.M2[3] = m.M1[4] = 0;
    m.BayLoads[1].Udl1 = 0;
    const CheckedFrame c = Checked(m);
    EXPECT_EQ(CorrectedReportText(c.model),
              "P\r\n\r\nJOINT NO. : - 3\r\nCM1 = 0   CM2 = 0  CM3 = 0  CM4 = 0\r\n"
              "JOINT NO. : - 4\r\nCM1 = 0   CM2 = 0  CM3 = 0  CM4 = 0\r\n");
    const std::string page = c.page();
    EXPECT_NE(page.find("<p>1 floor, 2 columns per floor, 1 bay per floor; 1 bay record.</p>"),
              std::string::npos);
    const auto bay = TableById(page, "bays").at(1);
    EXPECT_EQ(bay[7] + " at " + bay[8] + ", mark '" + bay[13] + "'", "0 at 0, mark ''");
}

// Whatever a name holds stays text; the setup refuses '<', which the name then
// gets here directly.
TEST(FramePage, EscapesEveryTypedText) {
    CheckedFrame c = Checked(Tower());
    c.model.ProjectName = "A&B's <b>\"x\"";
    c.check.exact.solved = false;
    c.check.exact.whyNot = "Storey 1 <sways> freely & \"alone\".";
    const std::string page = c.page();
    const std::string escaped = "A&amp;B&#39;s &lt;b&gt;&quot;x&quot;";
    for (const std::string& text :
         {"<title>" + escaped, "<h1>" + escaped + "</h1>",
          "aria-label=\"Moment diagram of " + escaped + "\"",
          std::string("Storey 1 &lt;sways&gt; freely &amp; &quot;alone&quot;.")}) {
        EXPECT_NE(page.find(text), std::string::npos) << text;
    }
    EXPECT_EQ(page.find("<b>"), std::string::npos);
}

// TOWER's page: the largest difference of
// the end moments marked once, nothing loaded or run from elsewhere.
TEST(FramePage, TheLargestDifferenceIsMarkedOnce) {
    CheckedFrame c = Checked(Tower());
    // A sum under 1e-9 of the largest exact end moment is rounding and reads 0.
    const double exactSize = c.check.oneCycleDifference.largestExact;
    c.check.jointSumOneCycle[5] = 0.5e-9 * exactSize;
    c.check.jointSumOneCycle[6] = 2e-9 * exactSize;
    const std::string page = c.page();
    const TableRows joints = TableById(page, "joints");
    EXPECT_EQ(joints.at(1)[2] + " " + joints.at(2)[2],
              "0 " + NumberToText(2e-9 * exactSize, PageDigits));
    EXPECT_EQ(MarkupFault(ReadFile(fs::path(VELMORA_TEST_DATA) / "core" / "TOWER.html")), "");
    double largest = 0, largestExact = 0;
    std::vector<double> marked;                              // the differences marked "largest"
    for (const auto& row : TableById(page, "end-moments")) { // the header reads as 0
        largestExact = std::max(largestExact, std::fabs(Number(row[4])));
        largest = std::max(largest, std::fabs(Number(row[5])));
        if (row[7] == "largest") {
            marked.push_back(std::fabs(Number(row[5])));
        }
    }
    EXPECT_EQ(marked, std::vector{largest});
    EXPECT_EQ(NumberToText(*TextToNumber(TableById(page, "cycles").back()[2]), 4),
              NumberToText(largest / largestExact * 100, 4));
    for (const char* reference : {"<script", "http", "url(", "@import", "src="}) {
        EXPECT_EQ(page.find(reference), std::string::npos) << reference;
    }
    for (std::size_t at = page.find("href="); at != std::string::npos;
         at = page.find("href=", at + 1)) {
        EXPECT_EQ(page.compare(at, 7, "href=\"#"), 0) << page.substr(at, 40); // within the page
    }
}

TEST(FramePage, WithoutAnExactSolutionTheExactColumnsAreEmpty) {
    CheckedFrame c = Checked(Tower());
    c.check.exact.solved = false;
    c.check.exact.whyNot = "the storey 2 columns have no stiffness.";
    c.check.convergence.outcome = Convergence::Outcome::NotSolved;
    const std::string page = c.page();
    EXPECT_NE(page.find("no unique solution: the storey 2 columns"), std::string::npos);
    EXPECT_EQ(page.find("class=\"cycle\""), std::string::npos); // the one cycle drawn alone
    const std::pair<const char*, std::vector<std::size_t>> exactColumns[] = {
        {"cycles", {2}},  {"rotations", {6}},        {"end-moments", {4, 5, 6}}, {"joints", {3}},
        {"storeys", {2}}, {"bays", {3, 4, 6, 7, 8}}, {"columns", {2}},           {"bases", {1, 2}}};
    for (const auto& [id, columns] : exactColumns) {
        const TableRows rows = TableById(page, id);
        for (std::size_t r = 1; r < rows.size(); ++r) {
            for (std::size_t column : columns) {
                EXPECT_EQ(rows[r][column], "") << id << " " << r << " " << column;
            }
        }
    }
}

} // namespace
