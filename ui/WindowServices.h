#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <optional>

class QWidget;

/// What the window asks of the world outside it. Each member left empty is
/// filled with the desktop's own service; tests put fakes in their place.
struct WindowServices {
    /// Asks the desktop to open one report in the application it associates with it.
    std::function<void(const std::filesystem::path&)> openReport;
    /// Shows a refusal or a failed calculation to the user and waits until it is read.
    std::function<void(const QString&)> showError;
    /// Ends the program.
    std::function<void()> endProgram;
    /// The folder that receives the reports; the fixed report folder when empty.
    std::optional<std::filesystem::path> reportFolder;
};

/// `services` with every empty member replaced by the desktop's service; the
/// message boxes are modal to `window`.
WindowServices WithDesktopDefaults(WindowServices services, QWidget* window);
