#include "FormDriver.h"

#include "model/NumberText.h"

FormDriver::FormDriver(const std::filesystem::path& reportFolder) {
    WindowServices services;
    services.openReport = [this](const std::filesystem::path& report) { opened.push_back(report); };
    services.showError = [this](const QString& message) {
        errors.append(message);
        if (whileShowing) {
            whileShowing();
        }
    };
    services.endProgram = [this] { ++endRequests; };
    services.reportFolder = reportFolder;
    form_ = std::make_unique<Form1>(std::move(services));
    form_->show();
    if (!QTest::qWaitForWindowActive(form_.get())) {
        qFatal("The window did not become active");
    }
}

QStringList FormDriver::texts(const QStringList& boxes) const {
    QStringList texts;
    for (const QString& box : boxes) {
        texts.append(text(box));
    }
    return texts;
}

void FormDriver::typeAll(const QStringList& boxes, const QStringList& texts) {
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        click(boxes[i]);
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_Delete);
        keys(texts[i]);
    }
}

void FormDriver::keys(const QString& typed) {
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (typed[i] == u'&') {
            key(Qt::Key(typed[++i].unicode()), Qt::AltModifier);
        } else {
            QTest::keyClick(QApplication::focusWidget(), typed[i].toLatin1());
        }
    }
}

void FormDriver::key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : form_.get(), key, modifiers);
}

QString InputsOf(const FrameModel& model) {
    QStringList parts = {QString::fromStdString(model.ProjectName)};
    auto add = [&parts](const Cell& cell) {
        parts.append(cell.isEmpty() ? QStringLiteral("-")
                                    : QString::fromStdString(NumberToText(cell)));
    };
    for (const Cell& cell : {model.FloorCount, model.ColumnsPerFloor, model.TotalBays,
                             model.LastJoint, model.CurrentJoint, model.CurrentBay}) {
        add(cell);
    }
    for (int joint = 0; joint <= MaxJoint; ++joint) {
        for (const Cell& cell : model.K[joint]) {
            add(cell);
        }
        add(model.M1[joint]);
        add(model.M2[joint]);
    }
    for (const BayLoad& record : model.BayLoads) {
        for (double value : ValuesOf(record)) {
            add(value);
        }
    }
    return parts.join(' ');
}

QList<double> ValuesOf(const BayLoad& record) {
    return QList<double>({double(record.FloorNo), double(record.BayNo), double(record.IsPointLoad),
                          record.Udl1, record.Udl2, record.PointLoad1, record.SpanL, record.LoadX});
}

void AddRows(std::initializer_list<const char*> columns, std::initializer_list<QStringList> rows) {
    for (const char* column : columns) {
        QTest::addColumn<QString>(column);
    }
    for (const QStringList& row : rows) {
        QTestData& data = QTest::newRow(qPrintable(row.front()));
        for (const QString& cell : row.mid(1)) {
            data << cell;
        }
    }
}
