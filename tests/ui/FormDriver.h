#pragma once

#include "model/NumberText.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

/// The boxes of the joint panel and of the bay-load panel, in panel order.
inline const QStringList JointBoxes = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
inline const QStringList RecordBoxes = {"Text14", "Text15", "Text8", "Text10",
                                        "Text13", "Text17", "Text16"};

/// The window as a user drives it, with the desktop replaced by recorders.
class FormDriver {
public:
    /// Calculations write into `reportFolder`; the default does not exist.
    explicit FormDriver(const std::filesystem::path& reportFolder = "/nonexistent/velmora")
        : form_(std::make_unique<Form1>(WindowServices{
              .openReport = [this](const std::filesystem::path& path) { opened.push_back(path); },
              .showError =
                  [this](const QString& message) {
                      errors.append(message);
                      whileShowing();
                  },
              .endProgram = [this] { ++endRequests; },
              .reportFolder = reportFolder})) {
        form_->show();
        if (!QTest::qWaitForWindowActive(form_.get())) {
            qFatal("The window did not become active");
        }
    }

    const FrameModel& model() const { return form_->model(); }
    /// The control of that name; a missing one ends the test run.
    template <typename Control = QWidget> Control* find(const QString& name) const {
        auto* control = form_->findChild<Control*>(name);
        if (control == nullptr) {
            qFatal("The window has no control %s of the expected kind", qPrintable(name));
        }
        return control;
    }
    QString text(const QString& box) const { return find<QLineEdit>(box)->text(); }
    QStringList texts(QStringList boxes) const {
        for (QString& box : boxes) {
            box = text(box);
        }
        return boxes;
    }
    bool enabled(const QString& name) const { return find(name)->isEnabled(); }
    QString focusName() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
    }

    void click(const QString& name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    /// Clicks into each box, selects its text and types over it.
    void typeAll(const QStringList& boxes, const QStringList& texts) {
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            click(boxes[i]);
            key(Qt::Key_A, Qt::ControlModifier);
            key(Qt::Key_Delete);
            keys(texts[i]);
        }
    }
    /// Types at the focus: "\t" is Tab, "\r" Enter, "<" and ">" the arrows Left and Right,
    /// "&C" the access key Alt+C.
    void keys(const QString& typed) {
        for (qsizetype i = 0; i < typed.size(); ++i) {
            if (typed[i] == u'&') {
                key(Qt::Key(typed[++i].unicode()), Qt::AltModifier);
            } else if (typed[i] == u'<' || typed[i] == u'>') {
                key(typed[i] == u'<' ? Qt::Key_Left : Qt::Key_Right);
            } else {
                QTest::keyClick(QApplication::focusWidget(), typed[i].toLatin1());
            }
        }
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : form_.get(), key, modifiers);
    }
    /// Types the three setup boxes and clicks "&OK".
    void setUp(const QString& name, const QString& floors, const QString& columns) {
        typeAll({"Text7", "Text11", "Text12"}, {name, floors, columns});
        click("Command4");
    }

    QStringList errors;
    std::vector<std::filesystem::path> opened;
    int endRequests = 0;
    std::function<void()> whileShowing = [] {}; ///< called while a message is shown

private:
    std::unique_ptr<Form1> form_;
};

/// Floor, bay, load system, w1, w2, P, L and X of a bay record.
inline QList<double> ValuesOf(const BayLoad& record) {
    return QList<double>({double(record.FloorNo), double(record.BayNo), double(record.IsPointLoad),
                          record.Udl1, record.Udl2, record.PointLoad1, record.SpanL, record.LoadX});
}
