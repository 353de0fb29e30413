#pragma once

#include "ui/Form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <filesystem>
#include <functional>
#include <initializer_list>
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
    explicit FormDriver(const std::filesystem::path& reportFolder = "/nonexistent/velmora");

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
    QStringList texts(const QStringList& boxes) const;
    bool enabled(const QString& name) const { return find(name)->isEnabled(); }
    QString focusName() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
    }

    void click(const QString& name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    /// Clicks into each box, selects its text and types over it.
    void typeAll(const QStringList& boxes, const QStringList& texts);
    void type(const QString& box, const QString& text) { typeAll({box}, {text}); }
    /// Types at the focus: "\t" is Tab, "\r" Enter, "&C" the access key Alt+C.
    void keys(const QString& typed);
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    /// Types the three setup boxes and clicks "&OK".
    void setUp(const QString& name, const QString& floors, const QString& columns) {
        typeAll({"Text7", "Text11", "Text12"}, {name, floors, columns});
        click("Command4");
    }

    QStringList errors;
    std::vector<std::filesystem::path> opened;
    int endRequests = 0;
    /// Called while a message is shown.
    std::function<void()> whileShowing;

private:
    std::unique_ptr<Form1> form_;
};

/// Every input and cursor of the model as text, an empty cell as "-" unlike a stored 0.
QString InputsOf(const FrameModel& model);
/// Floor, bay, load system, w1, w2, P, L and X of a bay record.
QList<double> ValuesOf(const BayLoad& record);
/// Declares text columns and adds one row per list, named by its first entry.
void AddRows(std::initializer_list<const char*> columns, std::initializer_list<QStringList> rows);
