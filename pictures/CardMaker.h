#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <optional>

namespace tessarine {

// The colour a value names, in English or in the interface's language ("red", "rosso"); nothing
// for a value that names no colour the program knows.
std::optional<QColor> colourNamed(const QString& value);

// A square attribute card: a swatch of the colour for a category "colour" whose value names one,
// else the value written large in the exercise's design font.
QImage makeCard(const QString& category, const QString& value, int side);

} // namespace tessarine
