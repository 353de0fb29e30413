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
#ifdef _WIN32
            const QString file = QString::fromStdWString(report.native()); // UTF-16 there
#else
            const QString file = QFile::decodeName(report.c_str());
#endif
            QDesktopServices::openUrl(QUrl::fromLocalFile(file));
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
