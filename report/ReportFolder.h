#pragma once

#include <filesystem>

/// The fixed folder that receives the reports: c:\velmora\ on Windows, the
/// folder 'velmora' in the user's home directory elsewhere. The program never
/// creates it.
std::filesystem::path ReportFolder();
