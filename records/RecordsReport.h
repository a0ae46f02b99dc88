#pragma once

#include <QString>

namespace tessarine {

class RecordsModel;

// The learner's report on A4 pages: the chart and the mastery rule on the first page, then the
// sessions table, then the targets table, each starting on a new page and repeating its header
// on every page it fills. Returns the number of pages; throws RuntimeError when the file cannot
// be written.
int writeRecordsReport(const RecordsModel& model, const QString& filePath);

} // namespace tessarine
