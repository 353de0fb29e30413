#include "ui/Controls.h"

#include "ui/EntryBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace {

constexpr double TwipsPerPixel = 15.0;

int Pixels(int twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

QFont CaptionFont(double points, bool bold) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

void ApplyLook(QWidget* widget, Look look) {
    struct Style {
        double points;
        bool bold;
        QColor colour;
    };
    // Indexed by Look: Heading, Prompt, Member, Floor.
    static const Style styles[] = {{15.75, false, QColor(0, 0, 255)},
                                   {12, false, QColor(255, 0, 0)},
                                   {12, true, QColor(0, 192, 0)},
                                   {12, true, QColor(255, 0, 255)}};
    const Style& style = styles[static_cast<int>(look)];
    widget->setFont(CaptionFont(style.points, style.bold));
    const QColor& colour = style.colour;
    // Labels draw with WindowText, option captions with ButtonText or WindowText
    // depending on the style; the disabled look stays the style's own.
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
        palette.setColor(QPalette::Active, role, colour);
        palette.setColor(QPalette::Inactive, role, colour);
    }
    widget->setPalette(palette);
}

template <typename Widget> Widget* Place(Widget* widget, const char* name, const Twips& place) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(ToPixels(place));
    return widget;
}

} // namespace

QRect ToPixels(const Twips& place) {
    return QRect(Pixels(place.left), Pixels(place.top), Pixels(place.width), Pixels(place.height));
}

QGroupBox* MakeFrame(QWidget* parent, const char* name, const Twips& place) {
    return Place(new QGroupBox(parent), name, place);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, const Twips& place,
                  Look look) {
    auto* label = Place(new QLabel(caption, parent), name, place);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ApplyLook(label, look);
    return label;
}

EntryBox* MakeBox(QWidget* parent, const char* name, const Twips& place, QLabel* label) {
    auto* box = Place(new EntryBox(parent), name, place);
    box->setFont(CaptionFont(12, false));
    if (label != nullptr) {
        label->setBuddy(box);
        box->setLabelCaption(label->text().trimmed());
    }
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const Twips& place) {
    auto* button = Place(new QPushButton(caption, parent), name, place);
    button->setAutoDefault(true);
    return button;
}

QRadioButton* MakeOption(QWidget* parent, const char* name, const QString& caption,
                         const Twips& place) {
    auto* option = Place(new QRadioButton(caption, parent), name, place);
    ApplyLook(option, Look::Prompt);
    return option;
}
