#pragma once

#include <QRect>
#include <QString>

class EntryBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

/// A place on the window in twips, the unit the layout is drawn up in. Fifteen
/// twips make one device-independent pixel, so the layout scales with the screen.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

QRect ToPixels(const Twips& place);

/// The fonts and text colours of the window's captions.
enum class Look {
    Heading, ///< panel headings: Times New Roman 15.75, blue
    Prompt,  ///< box labels and load-system options: Times New Roman 12, red
    Member,  ///< member labels: Times New Roman 12 bold, green
    Floor,   ///< floor and bay labels: Times New Roman 12 bold, magenta
};

/// A panel: a frame without a caption.
QGroupBox* MakeFrame(QWidget* parent, const char* name, const Twips& place);

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, const Twips& place,
                  Look look);

/// A text box in Times New Roman 12; `label`, when given, becomes the label that
/// names it to screen readers and to refusals.
EntryBox* MakeBox(QWidget* parent, const char* name, const Twips& place, QLabel* label);

/// A command button in the window's default font; Enter on it clicks it, as Space does.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const Twips& place);

QRadioButton* MakeOption(QWidget* parent, const char* name, const QString& caption,
                         const Twips& place);
