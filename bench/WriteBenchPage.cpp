// Writes the frame page of a bench frame, F floors × N columns, to a file, so
// that a browser can render it: write_bench_page F N PAGE.html
#include "analysis/Analysis.h"
#include "check/FrameCheck.h"
#include "frames/FilledFrame.h"
#include "page/FramePage.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: write_bench_page FLOORS COLUMNS PAGE.html\n";
        return 2;
    }
    FrameModel model = FilledFrame(std::stoi(argv[1]), std::stoi(argv[2]));
    if (const auto fault = RunAnalysis(model)) {
        std::cerr << *fault << '\n';
        return 1;
    }
    const std::filesystem::path page = argv[3];
    if (page.has_parent_path()) {
        std::filesystem::create_directories(page.parent_path());
    }
    std::ofstream out(page, std::ios::binary);
    out << FramePageText(model, CheckFrame(model, BayRecordsOf(model)));
    return out.flush() ? 0 : 1;
}
