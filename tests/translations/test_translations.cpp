// The shipped catalogues against the sources as they are now: lupdate is run on a copy of each, so
// that a text added or changed in the code and not yet translated fails here, not in a classroom.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context;
    QString source;
    bool numerus = false;
    QString type; // "unfinished", "obsolete", "vanished" or empty when done
    QStringList translations;
};

QList<Message> readCatalogue(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"), {}, {}});
        } else if (xml.name() == QLatin1String("source") && !messages.isEmpty()) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && !messages.isEmpty()) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            if (!messages.last().numerus)
                messages.last().translations.append(xml.readElementText());
        } else if (xml.name() == QLatin1String("numerusform") && !messages.isEmpty()) {
            messages.last().translations.append(xml.readElementText());
        }
    }
    if (xml.hasError())
        qWarning("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return messages;
}

// %1 to %99 and %n, each once however often it occurs.
QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?(\\d{1,2}|n)"));
    QStringList found;
    for (const auto& match : marker.globalMatch(text))
        found.append(match.captured(0));
    found.removeDuplicates();
    found.sort();
    return found;
}

// Runs lupdate over the product folders onto a copy of the catalogue and returns the copy.
QString updatedCopy(const QTemporaryDir& scratch, const QString& language, const QStringList& extraOptions)
{
    const QString name = QStringLiteral("tessarine_%1.ts").arg(language);
    const QString copy = scratch.filePath(name);
    QFile::remove(copy);
    if (!QFile::copy(QStringLiteral(TESSARINE_TS_FOLDER "/") + name, copy))
        return {};
    QStringList arguments = QString::fromUtf8(TESSARINE_TRANSLATED_FOLDERS).split(QLatin1Char(' '));
    for (QString& folder : arguments)
        folder = QStringLiteral(TESSARINE_SOURCE_FOLDER "/") + folder;
    // Headers are found from the sources' root, as the build's own run finds them: without it a
    // class's texts would land under another context.
    arguments << QStringLiteral("-I") << QStringLiteral(TESSARINE_SOURCE_FOLDER) << extraOptions << QStringLiteral("-locations")
              << QStringLiteral("none") << QStringLiteral("-ts") << copy;
    QProcess lupdate;
    lupdate.start(QStringLiteral(TESSARINE_LUPDATE), arguments);
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0) {
        qWarning("%s", lupdate.readAllStandardError().constData());
        return {};
    }
    return copy;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyCatalogueIsCompleteAndKeepsItsPlaceholders_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"it", "es", "fr", "de", "pt", "en"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void everyCatalogueIsCompleteAndKeepsItsPlaceholders()
    {
        QFETCH(QString, language);
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const bool english = language == QLatin1String("en");
        const QString copy = updatedCopy(scratch, language, english ? QStringList{QStringLiteral("-pluralonly")} : QStringList{});
        QVERIFY2(!copy.isEmpty(), "lupdate could not bring the catalogue up to date");
        const QList<Message> messages = readCatalogue(copy);
        QVERIFY(!messages.isEmpty());

        QStringList problems;
        for (const Message& message : messages) {
            const QString where = message.context + QStringLiteral(": \"") + message.source + QLatin1Char('"');
            if (!message.type.isEmpty()) {
                problems << message.type + QStringLiteral(" ") + where;
                continue;
            }
            // A language with two plural forms: both are written (the English catalogue as well).
            if (message.numerus && message.translations.size() < 2)
                problems << QStringLiteral("plural forms missing: ") + where;
            for (const QString& translation : message.translations) {
                if (translation.trimmed().isEmpty() && !message.source.trimmed().isEmpty())
                    problems << QStringLiteral("empty: ") + where;
                else if (placeholders(translation) != placeholders(message.source))
                    problems << QStringLiteral("placeholders differ in \"%1\": ").arg(translation) + where;
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 40).join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
