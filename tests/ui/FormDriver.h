#pragma once

#include "ui/Form1.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

/// The window as a user drives it, with the desktop replaced by recorders: the
/// messages shown, the reports asked to open and the requests to end.
class FormDriver {
public:
    /// Shows a fresh window and waits until it is active. Calculations write into
    /// `reportFolder`; the default is a folder that does not exist. With
    /// `realMessageBoxes` the window shows its own message boxes.
    explicit FormDriver(std::optional<std::filesystem::path> reportFolder = std::nullopt,
                        bool realMessageBoxes = false);

    Form1& form() { return *form_; }
    const FrameModel& model() const { return form_->model(); }

    /// The control of that name; a missing one ends the test run.
    template <typename Control = QWidget> Control* find(const char* name) const {
        auto* control = form_->findChild<Control*>(QString::fromLatin1(name));
        if (control == nullptr) {
            qFatal("The window has no control %s of the expected kind", name);
        }
        return control;
    }
    QLineEdit* box(const char* name) const { return find<QLineEdit>(name); }
    QAbstractButton* button(const char* name) const { return find<QAbstractButton>(name); }
    QString text(const char* boxName) const { return box(boxName)->text(); }
    bool enabled(const char* name) const { return find(name)->isEnabled(); }
    /// The object name of the control that has the focus, or "" when none has.
    QString focusName() const;

    /// A left mouse click in the middle of the control.
    void click(const char* name);
    /// Clicks into the box, selects its text and types over it.
    void type(const char* boxName, const QString& text);
    /// One key, sent where the keyboard focus is.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    /// Types the three setup boxes and clicks "&OK".
    void setUp(const QString& name, const QString& floors, const QString& columns);

    QStringList errors;
    std::vector<std::filesystem::path> opened;
    int endRequests = 0;
    /// Called while a message is shown, before the handler goes on.
    std::function<void(const QString&)> whileShowing;

private:
    std::unique_ptr<Form1> form_;
};

/// Every input and cursor of the model as text, for comparing two states.
QString InputsOf(const FrameModel& model);
