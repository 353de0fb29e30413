#include "report/ReportFolder.h"

#include <cstdlib>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

std::filesystem::path ReportFolder() {
#ifdef _WIN32
    return std::filesystem::path("c:\\velmora\\");
#else
    // The home directory as the login database has it when HOME is unset.
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        const passwd* entry = getpwuid(getuid());
        home = entry != nullptr ? entry->pw_dir : "/";
    }
    return std::filesystem::path(home) / "velmora";
#endif
}
