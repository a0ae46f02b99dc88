// The report for a teacher: per file what is wrong, what happens in the exercise and how to fix it.

#include "check/MediaChecker.h"
#include "check/Words.h"
#include "platform/ProgramInfo.h"

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
    out += QStringLiteral("Tessarine picture check of %1\n").arg(result.folder);
    if (!result.readable) {
        for (const Finding& finding : result.findings)
            out += finding.problem + u' ' + finding.fix + u'\n';
        return out;
    }
    out += QStringLiteral("Images: %1, Symbols: %2, Attributes: %3, Sounds: %4\n")
               .arg(plural(result.images, QStringLiteral("object picture")))
               .arg(result.symbols)
               .arg(result.attributes)
               .arg(result.sounds);

    // Grouped per file, in the order the folders are used.
    QList<QPair<QString, QString>> files;
    for (const Finding& finding : result.findings) {
        const QPair<QString, QString> file{finding.folder, finding.file};
        if (!files.contains(file))
            files.append(file);
    }
    const QStringList order{QString(), Folder::Images, Folder::Symbols, Folder::Attributes, Folder::Sounds};
    std::stable_sort(files.begin(), files.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first)
            return order.indexOf(a.first) < order.indexOf(b.first);
        return a.second.isEmpty() && !b.second.isEmpty();
    });
    int errors = 0, warnings = 0;
    for (const auto& [folder, file] : files) {
        out += u'\n';
        out += file.isEmpty() ? (folder.isEmpty() ? QStringLiteral("Program folder") : QStringLiteral("%1 folder").arg(folder))
                              : folder + u'/' + file;
        out += u'\n';
        for (const Finding& finding : result.findingsFor(folder, file)) {
            (finding.severity == Severity::Error ? errors : warnings)++;
            const QString label = finding.severity == Severity::Error ? QStringLiteral("PROBLEM") : QStringLiteral("WARNING");
            // The options a finding depends on are named in its effect.
            out += QStringLiteral("  %1: ").arg(label) + wrap(finding.problem, Width, QString(11, u' ')) + u'\n';
            out += QStringLiteral("    What happens: ") + wrap(finding.effect, Width, QString(18, u' ')) + u'\n';
            out += QStringLiteral("    How to fix:   ") + wrap(finding.fix, Width, QString(18, u' ')) + u'\n';
        }
    }

    const auto working = std::count_if(result.objects.begin(), result.objects.end(),
                                       [](const ObjectReport& o) { return o.worksEverywhere() && o.problems.isEmpty(); });
    out += u'\n';
    if (result.findings.isEmpty()) {
        out += result.objects.size() == 1
                   ? QStringLiteral("The one set works with every option. Nothing to fix.\n")
                   : QStringLiteral("All %1 sets work with every option. Nothing to fix.\n").arg(result.objects.size());
    } else {
        out += QStringLiteral("%1 and %2 in %3. %4 of %5 work with every option and need nothing.\n")
                   .arg(plural(errors, QStringLiteral("problem")), plural(warnings, QStringLiteral("warning")),
                        plural(files.size(), QStringLiteral("file or folder"), QStringLiteral("files or folders")))
                   .arg(working)
                   .arg(plural(result.objects.size(), QStringLiteral("object picture")));
    }
    return out;
}

} // namespace tessarine::check
