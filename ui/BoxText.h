#pragma once

#include "model/Cell.h"
#include "model/NumberText.h"

#include <QLineEdit>
#include <QString>
#include <string>

/// The text a box shows for a model value; an empty cell shows nothing.
inline QString BoxText(const Cell& value) {
    return QString::fromStdString(NumberToText(value));
}

inline QString BoxText(double value) {
    return QString::fromStdString(NumberToText(value));
}

/// The text of a box as the model's conversions read it.
inline std::string Typed(const QLineEdit* box) {
    return box->text().toStdString();
}
