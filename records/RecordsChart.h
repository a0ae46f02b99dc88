#pragma once

class QChart;

namespace tessarine {

class RecordsModel;

// The chart of first-try percent per session: symbols and attributes answered without a prompt,
// with the mastery line, and both rows' first tries answered without and with a prompt; the caller
// owns it. The window shows it and the report prints it.
QChart* createRecordsChart(const RecordsModel& model);

} // namespace tessarine
