#pragma once

#include "records/RecordsFormat.h"
#include "records/RecordsStore.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

namespace tessarine {

// What the Records window shows of one learner, as texts and points, so that the window and the
// printed report show the same and neither holds any logic. The store must be open.
class RecordsModel {
public:
    // Reads the learner's records, to be shown with the dates and numbers of `locale`.
    RecordsModel(RecordsStore& store, QString learner, const QLocale& locale = QLocale());

    const QString& learner() const { return m_learner; }
    const MasteryRule& rule() const { return m_rule; }
    const LearnerProgress& progress() const { return m_progress; }
    const RecordsFormat& format() const { return m_format; }

    // Reads the learner's records afresh.
    void reload();
    // Keeps the rule with the learner's records and judges the targets by it.
    void setRule(const MasteryRule& rule);

    static QStringList sessionHeaders();
    QList<QStringList> sessionRows() const;
    static QStringList targetHeaders();
    QList<QStringList> targetRows() const;
    // Independent first-try percent per session (x counts sessions from 1); sessions without
    // independent trials in the row are left out.
    QList<QPointF> symbolSeries() const;
    QList<QPointF> attributeSeries() const;
    // The percent right of each session's independent and of its prompted first tries, both rows
    // together; sessions without such first tries are left out.
    QList<QPointF> independentSeries() const;
    QList<QPointF> promptedSeries() const;
    // "12 sessions, printed <date>": what the report says under its title.
    QString summaryText(const QDateTime& printed) const;
    QString ruleText() const;
    static QString promptNote();

    QString suggestedFileName(const QString& suffix) const;
    void exportCsv(const QString& filePath);
    // Removes the learner and every record of theirs; the model is empty afterwards.
    void deleteLearner();

private:
    RecordsStore& m_store;
    QString m_learner;
    RecordsFormat m_format;
    MasteryRule m_rule;
    LearnerProgress m_progress;
};

} // namespace tessarine
