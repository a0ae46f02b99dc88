#pragma once

#include "check/MediaChecker.h"

#include <QString>

namespace tessarine::check {

// Writes an A4 PDF with one row per object picture: the picture, its caption as the exercise shows
// it, its symbol and its attribute, with problems marked in colour. Pictures are decoded at their
// printed size. Needs a QGuiApplication (fonts). Returns an empty text on success, else why not.
QString writeSetSheet(const CheckResult& result, const QString& pdfPath);

// Rows of object pictures on one page of the sheet.
inline constexpr int SheetRowsPerPage = 6;

} // namespace tessarine::check
