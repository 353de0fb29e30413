#pragma once

#include <QLineEdit>

/// A text box that knows whether the user has edited it since the program last
/// wrote into it, and that reports losing the focus to another control of its
/// window (not to another application or to a pop-up menu).
class EntryBox : public QLineEdit {
    Q_OBJECT

public:
    explicit EntryBox(QWidget* parent = nullptr);

    /// Writes text as the program does: the box counts as unedited afterwards.
    void write(const QString& text);
    bool editedSinceWrite() const { return edited_; }

    /// The caption of the label beside the box, as refusals name the box.
    QString labelCaption() const { return labelCaption_; }
    void setLabelCaption(const QString& caption) { labelCaption_ = caption; }

signals:
    void lostFocus();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool edited_ = false;
    QString labelCaption_;
};
