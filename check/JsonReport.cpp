// The report for tools, schema "tessarine-check/1" (described in the README).

#include "check/MediaChecker.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

namespace tessarine::check {

QByteArray toJson(const CheckResult& result)
{
    auto nullable = [](const QString& text) { return text.isEmpty() ? QJsonValue() : QJsonValue(text); };
    QJsonObject root;
    root.insert(QStringLiteral("schema"), QStringLiteral("tessarine-check/1"));
    root.insert(QStringLiteral("folder"), result.folder);
    root.insert(QStringLiteral("readable"), result.readable);
    root.insert(QStringLiteral("exitCode"), result.exitCode());
    root.insert(QStringLiteral("counts"), QJsonObject{{QStringLiteral("images"), result.images},
                                                      {QStringLiteral("symbols"), result.symbols},
                                                      {QStringLiteral("attributes"), result.attributes},
                                                      {QStringLiteral("sounds"), result.sounds}});
    QJsonArray findings;
    for (const Finding& finding : result.findings) {
        QJsonObject when;
        if (finding.when.symbolDistractor)
            when.insert(QStringLiteral("symbolDistractor"), *finding.when.symbolDistractor);
        if (finding.when.attributeDistractor)
            when.insert(QStringLiteral("attributeDistractor"), *finding.when.attributeDistractor);
        if (finding.when.sameCategory)
            when.insert(QStringLiteral("sameCategory"), *finding.when.sameCategory);
        findings.append(QJsonObject{{QStringLiteral("code"), finding.code},
                                    {QStringLiteral("severity"), severityName(finding.severity)},
                                    {QStringLiteral("folder"), nullable(finding.folder)},
                                    {QStringLiteral("file"), nullable(finding.file)},
                                    {QStringLiteral("problem"), finding.problem},
                                    {QStringLiteral("effect"), finding.effect},
                                    {QStringLiteral("fix"), finding.fix},
                                    {QStringLiteral("related"), QJsonArray::fromStringList(finding.related)},
                                    {QStringLiteral("when"), when}});
    }
    root.insert(QStringLiteral("findings"), findings);
    QJsonArray objects;
    for (const ObjectReport& object : result.objects) {
        QJsonArray sets;
        for (const SetVerdict& set : object.sets) {
            QJsonObject entry{{QStringLiteral("symbolDistractor"), set.options.symbolDistractor},
                              {QStringLiteral("attributeDistractor"), set.options.attributeDistractor},
                              {QStringLiteral("sameCategory"), set.options.sameCategory},
                              {QStringLiteral("result"), outcomeName(set.outcome)}};
            if (set.outcome != Outcome::Works)
                entry.insert(QStringLiteral("error"), QJsonObject{{QStringLiteral("number"), set.errorNumber},
                                                                  {QStringLiteral("message"), set.errorMessage}});
            if (set.outcome == Outcome::MayFail)
                entry.insert(QStringLiteral("chance"), set.chance);
            sets.append(entry);
        }
        objects.append(QJsonObject{{QStringLiteral("file"), object.file},
                                   {QStringLiteral("caption"), object.caption},
                                   {QStringLiteral("symbol"), nullable(object.symbol)},
                                   {QStringLiteral("attribute"), nullable(object.attribute)},
                                   {QStringLiteral("loads"), object.pictureError.isEmpty()},
                                   {QStringLiteral("recording"), nullable(object.recording)},
                                   {QStringLiteral("reportsPerSet"), object.reportsPerSet},
                                   {QStringLiteral("problems"), QJsonArray::fromStringList(object.problems)},
                                   {QStringLiteral("sets"), sets}});
    }
    root.insert(QStringLiteral("objects"), objects);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace tessarine::check
