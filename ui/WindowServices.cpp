#include "ui/WindowServices.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QMessageBox>
#include <QUrl>

WindowServices WithDesktopDefaults(WindowServices services, QWidget* window) {
    if (!services.openReport) {
        // The desktop's answer is of no use: a report it cannot open is still on disk.
        services.openReport = [](const std::filesystem::path& report) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(report.c_str())));
        };
    }
    if (!services.showError) {
        services.showError = [window](const QString& message) {
            QMessageBox box(QMessageBox::Critical, QStringLiteral("Analysis"), message,
                            QMessageBox::Ok, window);
            box.exec();
        };
    }
    if (!services.endProgram) {
        services.endProgram = [] { QCoreApplication::quit(); };
    }
    return services;
}
