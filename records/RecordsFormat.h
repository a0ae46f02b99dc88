#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace tessarine {

// How the Records window and the printed report write dates, times and numbers: in the forms of
// the interface's language, and for English or no language in the forms they always had
// ("2026-03-02 09:30", "0.8 s"), so that an English teacher's pages look as they did. The CSV has
// fixed forms of its own whatever the language.
class RecordsFormat {
public:
    // The program's locale by default, the one QLocale::setDefault sets.
    explicit RecordsFormat(const QLocale& locale = QLocale());

    const QLocale& locale() const { return m_locale; }
    // Whether the language's own forms are used rather than the program's English ones.
    bool isLocalized() const { return m_localized; }

    // A moment in local time, to the minute.
    QString dateTime(const QDateTime& when) const;
    QString number(qint64 value) const;
    QString decimal(double value, int decimals) const;
    // A whole percent with its sign: "90 %".
    QString percent(double value) const;

private:
    QLocale m_locale;
    bool m_localized;
};

} // namespace tessarine
