// The report for a teacher: per file what is wrong, what happens in the exercise and how to fix it.

#include "check/MediaChecker.h"
#include "check/Words.h"
#include "platform/ProgramInfo.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>

#include <algorithm>

namespace tessarine::check {

using namespace words;

namespace {

// Wraps a paragraph at `width` columns; it starts after a label as wide as `indent`, and every
// further line is indented by it.
QString wrap(const QString& text, int width, const QString& indent)
{
    QString out;
    const int start = static_cast<int>(indent.size());
    int column = start;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (column > start && column + 1 + word.size() > width) {
            out += u'\n' + indent;
            column = start;
        } else if (column > start) {
            out += u' ';
            ++column;
        }
        out += word;
        column += static_cast<int>(word.size());
    }
    return out;
}

} // namespace

QString toText(const CheckResult& result)
{
    constexpr int Width = 100;
    QString out;
    //: the report's first line; %1 is a folder
    out += QCoreApplication::translate("TextReport", "Tessarine picture check of %1").arg(result.folder) + u'\n';
    if (!result.readable) {
        for (const Finding& finding : result.findings)
            out += finding.problem + u' ' + finding.fix + u'\n';
        return out;
    }
    //: Images, Symbols, Attributes and Sounds are folder names: keep them; %1 is a number of object pictures
    out += QCoreApplication::translate("TextReport", "Images: %1, Symbols: %2, Attributes: %3, Sounds: %4")
               .arg(QCoreApplication::translate("TextReport", "%n object picture(s)", nullptr, result.images),
                    QString::number(result.symbols), QString::number(result.attributes), QString::number(result.sounds))
           + u'\n';

    // Grouped per file, in the order the folders are used.
    QList<QPair<QString, QString>> grouped;
    for (const Finding& finding : result.findings) {
        const QPair<QString, QString> file{finding.folder, finding.file};
        if (!grouped.contains(file))
            grouped.append(file);
    }
    const QStringList order{QString(), Folder::Images, Folder::Symbols, Folder::Attributes, Folder::Sounds};
    std::stable_sort(grouped.begin(), grouped.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first)
            return order.indexOf(a.first) < order.indexOf(b.first);
        return a.second.isEmpty() && !b.second.isEmpty();
    });
    int errors = 0, warnings = 0;
    //: a finding's label in the text report, in capitals
    const QString problemLabel = QCoreApplication::translate("TextReport", "PROBLEM");
    //: a finding's label in the text report, in capitals
    const QString warningLabel = QCoreApplication::translate("TextReport", "WARNING");
    //: a label in the text report, before what the exercise will do
    const QString effectLabel = QCoreApplication::translate("TextReport", "What happens:");
    //: a label in the text report, before how to mend the finding
    const QString fixLabel = QCoreApplication::translate("TextReport", "How to fix:");
    // The two labels are padded alike, so that their paragraphs start in one column.
    const qsizetype labelWidth = std::max(effectLabel.size(), fixLabel.size()) + 1;
    const QString effectHead = QStringLiteral("    ") + effectLabel.leftJustified(labelWidth);
    const QString fixHead = QStringLiteral("    ") + fixLabel.leftJustified(labelWidth);
    for (const auto& [folder, file] : grouped) {
        out += u'\n';
        if (!file.isEmpty())
            out += folder + u'/' + file;
        else if (folder.isEmpty())
            out += QCoreApplication::translate("TextReport", "Program folder");
        else
            //: %1 is a folder's name: Images, Symbols, Attributes or Sounds
            out += QCoreApplication::translate("TextReport", "%1 folder").arg(folder);
        out += u'\n';
        for (const Finding& finding : result.findingsFor(folder, file)) {
            (finding.severity == Severity::Error ? errors : warnings)++;
            const QString head = QStringLiteral("  %1: ").arg(finding.severity == Severity::Error ? problemLabel : warningLabel);
            // The options a finding depends on are named in its effect.
            out += head + wrap(finding.problem, Width, QString(head.size(), u' ')) + u'\n';
            out += effectHead + wrap(finding.effect, Width, QString(effectHead.size(), u' ')) + u'\n';
            out += fixHead + wrap(finding.fix, Width, QString(fixHead.size(), u' ')) + u'\n';
        }
    }

    const auto working = std::count_if(result.objects.begin(), result.objects.end(),
                                       [](const ObjectReport& o) { return o.worksEverywhere() && o.problems.isEmpty(); });
    out += u'\n';
    if (result.findings.isEmpty()) {
        const int sets = static_cast<int>(result.objects.size());
        out += sets == 1 ? QCoreApplication::translate("TextReport", "The one set works with every option. Nothing to fix.")
                         : QCoreApplication::translate("TextReport", "All %n set(s) work with every option. Nothing to fix.",
                                                       nullptr, sets);
    } else {
        const int files = static_cast<int>(grouped.size());
        const int objects = static_cast<int>(result.objects.size());
        //: %1 is a number of problems, %2 of warnings, %3 of files or folders; %4 the sentence that follows
        out += QCoreApplication::translate("TextReport", "%1 and %2 in %3. %4")
                   .arg(QCoreApplication::translate("TextReport", "%n problem(s)", nullptr, errors),
                        QCoreApplication::translate("TextReport", "%n warning(s)", nullptr, warnings),
                        QCoreApplication::translate("TextReport", "%n file(s) or folder(s)", nullptr, files),
                        //: %1 is how many of them work
                        QCoreApplication::translate("TextReport",
                                                    "%1 of %n object picture(s) work with every option and "
                                                    "need nothing.",
                                                    nullptr, objects)
                            .arg(working));
    }
    out += u'\n';
    return out;
}

} // namespace tessarine::check
