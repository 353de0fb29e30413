#include "FormDriver.h"

#include "model/NumberText.h"

#include <QApplication>
#include <QTest>

FormDriver::FormDriver(std::optional<std::filesystem::path> reportFolder, bool realMessageBoxes) {
    WindowServices services;
    services.openReport = [this](const std::filesystem::path& report) { opened.push_back(report); };
    if (!realMessageBoxes) {
        services.showError = [this](const QString& message) {
            errors.append(message);
            if (whileShowing) {
                whileShowing(message);
            }
        };
    }
    services.endProgram = [this] { ++endRequests; };
    services.reportFolder =
        reportFolder ? *reportFolder : std::filesystem::path("/nonexistent/velmora-reports");
    form_ = std::make_unique<Form1>(std::move(services));
    form_->show();
    if (!QTest::qWaitForWindowActive(form_.get())) {
        qFatal("The window did not become active");
    }
}

QString FormDriver::focusName() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QString();
}

void FormDriver::click(const char* name) {
    QTest::mouseClick(find(name), Qt::LeftButton);
}

void FormDriver::type(const char* boxName, const QString& text) {
    QLineEdit* target = box(boxName);
    QTest::mouseClick(target, Qt::LeftButton);
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(target, Qt::Key_Delete);
    } else {
        QTest::keyClicks(target, text);
    }
}

void FormDriver::key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : form_.get(), key, modifiers);
}

void FormDriver::setUp(const QString& name, const QString& floors, const QString& columns) {
    type("Text7", name);
    type("Text11", floors);
    type("Text12", columns);
    click("Command4");
}

QString InputsOf(const FrameModel& model) {
    QString dump;
    auto add = [&dump](const char* what, const Cell& cell) {
        dump += QString::fromLatin1(what) +
                (cell.isEmpty() ? QStringLiteral("=<empty> ")
                                : QStringLiteral("=") + QString::fromStdString(NumberToText(cell)) +
                                      QLatin1Char(' '));
    };
    dump += QString::fromStdString(model.ProjectName) + QLatin1Char('\n');
    add("floors", model.FloorCount);
    add("columns", model.ColumnsPerFloor);
    add("bays", model.TotalBays);
    add("last", model.LastJoint);
    add("joint", model.CurrentJoint);
    add("bay", model.CurrentBay);
    for (int j = 0; j <= MaxJoint; ++j) {
        dump += QStringLiteral("\n%1: ").arg(j);
        for (int m = 1; m <= MemberCount; ++m) {
            add("k", model.K[j][m]);
        }
        add("M1", model.M1[j]);
        add("M2", model.M2[j]);
    }
    auto number = [](double value) { return QString::fromStdString(NumberToText(value)); };
    for (const BayLoad& bay : model.BayLoads) {
        dump += QStringLiteral("\n%1 %2 %3 ").arg(bay.IsPointLoad).arg(bay.BayNo).arg(bay.FloorNo);
        for (double value : {bay.Udl1, bay.Udl2, bay.PointLoad1, bay.SpanL, bay.LoadX}) {
            dump += number(value) + QLatin1Char(' ');
        }
    }
    return dump;
}
