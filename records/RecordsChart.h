#pragma once

class QChart;

namespace tessarine {

class RecordsModel;

// The chart of first-try percent per session, symbols and attributes, with the mastery line; the
// caller owns it. The window shows it and the report prints it.
QChart* createRecordsChart(const RecordsModel& model);

} // namespace tessarine
