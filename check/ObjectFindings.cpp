// The findings about one object picture, one function per kind, told in a fixed order.

#include "check/CheckRun.h"
#include "check/NameHints.h"
#include "check/ObjectAnalysis.h"
#include "check/Words.h"

#include <QCoreApplication>

#include <utility>

namespace tessarine::check {

using namespace words;

namespace {

void findUnreadablePicture(CheckRun& run, ObjectAnalysis& analysis)
{
    if (!analysis.pictureError)
        return;
    const RuntimeError& error = *analysis.pictureError;
    const auto [problem, fix] = unreadableWords(mediaPath(run.program, Folder::Images, analysis.object), error);
    analysis.tell({QStringLiteral("picture-unreadable"),
                   Severity::Error,
                   {},
                   {},
                   problem,
                   QCoreApplication::translate("ObjectFindings", "Whenever this picture is drawn, %1.").arg(stopsWith(error)),
                   fix,
                   {},
                   {}});
}

bool hasBadName(const QString& object)
{
    const qsizetype parts = object.count(u'.') + 1;
    const bool emptyPart = plainPart(object, 1).isEmpty() || plainPart(object, 2).isEmpty() || plainPart(object, 3).isEmpty();
    return parts < 4 || emptyPart;
}

// A name with too few or empty parts is one mistake with many consequences: it is told as one
// finding with all of them, and the attribute findings it causes are not told again.
void findBadName(CheckRun& run, ObjectAnalysis& analysis)
{
    const QString& object = analysis.object;
    const ObjectReport& report = analysis.report;
    const qsizetype parts = object.count(u'.') + 1;
    Finding finding{QStringLiteral("name-too-few-parts"), Severity::Error, {}, {}, {}, {}, {}, {}, {}};
    const QString caption = quoted(report.caption);
    if (parts < 4) {
        finding.problem = parts == 2 ? QCoreApplication::translate("ObjectFindings",
                                                                   "The name has only one part before \".jpg\"; object pictures "
                                                                   "need three: symbol.category.value.jpg.")
                                     : QCoreApplication::translate("ObjectFindings",
                                                                   "The name has only two parts before \".jpg\"; object pictures "
                                                                   "need three: symbol.category.value.jpg.");
        finding.fix = QCoreApplication::translate("ObjectFindings", "Rename it to symbol.category.value.jpg, for example %1.")
                          .arg(NameHints(run).objectNameExample(plainPart(object, 1),
                                                                parts == 3 ? plainPart(object, 2) : QString()));
    } else {
        finding.code = QStringLiteral("name-empty-part");
        finding.problem = QCoreApplication::translate("ObjectFindings", "The name has an empty part (two full stops in a row).");
        finding.fix = QCoreApplication::translate("ObjectFindings",
                                                  "Rename it to symbol.category.value.jpg with one full stop between the parts.");
    }
    if (parts == 3) {
        //: %1 is the caption as the exercise shows it, %2 the second part of the picture's name
        finding.effect = QCoreApplication::translate("ObjectFindings",
                                                     "The caption reads %1 (the extension is taken for the value), "
                                                     "and only an attribute named %2.jpg would match.")
                             .arg(caption, plainPart(object, 2));
    } else if (parts == 2) {
        //: %1 is the caption, %2 the exercise's error message, %3 the name of an option
        finding.effect = QCoreApplication::translate("ObjectFindings",
                                                     "The caption reads %1. The exercise shows two error messages %2 each time "
                                                     "it reads the missing third part: %n message(s) every time this picture "
                                                     "comes up, and more with %3 on.",
                                                     nullptr, report.reportsPerSet)
                             .arg(caption, quoted(run.partMessage), attributeDistractorOption());
    } else {
        finding.effect = QCoreApplication::translate("ObjectFindings",
                                                     "The caption reads %1; an empty part matches no symbol or attribute.")
                             .arg(caption);
    }
    if (report.attribute.isEmpty() && !run.attributes.empty())
        finding.effect += u' ' + QCoreApplication::translate("ObjectFindings", "The attribute row has no right answer.");
    const QString failures = failureSummary(report);
    if (!failures.isEmpty())
        finding.effect += u' ' + failures;
    analysis.tell(finding);
}

void findNoSymbol(CheckRun& run, ObjectAnalysis& analysis)
{
    if (!analysis.report.symbol.isEmpty() || run.symbols.empty())
        return;
    const QString& object = analysis.object;
    analysis.tell(
        {QStringLiteral("no-symbol"),
         Severity::Error,
         {},
         {},
         QCoreApplication::translate("ObjectFindings", "There is no symbol picture for \"%1\".").arg(plainPart(object, 1)),
         QCoreApplication::translate("ObjectFindings",
                                     "The symbol row has no right answer: with %1 off it stays blank, with it on only a "
                                     "wrong symbol is shown. With \"Use sequence\" on, the attribute row never appears, so "
                                     "the learner can only leave the set with \"%2\".")
             .arg(symbolDistractorOption(), changeSetButton()),
         QCoreApplication::translate("ObjectFindings",
                                     "Add a symbol picture named %1.jpg to the Symbols folder (the first part of this "
                                     "picture's name).")
                 .arg(plainPart(object, 1))
             + NameHints(run).symbolHint(object),
         {},
         {}});
}

void findSymbolUnreadable(ObjectAnalysis& analysis)
{
    if (!analysis.symbolError)
        return;
    const QString& symbol = analysis.report.symbol;
    analysis.tell({QStringLiteral("symbol-unreadable"),
                   Severity::Error,
                   {},
                   {},
                   QCoreApplication::translate("ObjectFindings", "Its symbol %1 cannot be loaded.").arg(symbol),
                   QCoreApplication::translate("ObjectFindings", "Whenever this picture is drawn, %1.")
                       .arg(stopsWith(*analysis.symbolError)),
                   QCoreApplication::translate("ObjectFindings", "Replace Symbols/%1 (see below).").arg(symbol),
                   {symbol},
                   {}});
}

void findNoAttribute(CheckRun& run, ObjectAnalysis& analysis)
{
    if (!analysis.report.attribute.isEmpty() || run.attributes.empty())
        return;
    const QString& object = analysis.object;
    analysis.tell({QStringLiteral("no-attribute"),
                   Severity::Error,
                   {},
                   {},
                   QCoreApplication::translate("ObjectFindings", "There is no attribute picture for \"%1\" \"%2\".")
                       .arg(plainPart(object, 2), plainPart(object, 3)),
                   QCoreApplication::translate(
                       "ObjectFindings", "The attribute row has no right answer (with %1 on only a wrong one is shown). With "
                                         "\"Use sequence\" on, the learner cannot finish the set: only \"%2\" leaves it.")
                       .arg(attributeDistractorOption(), changeSetButton()),
                   QCoreApplication::translate(
                       "ObjectFindings", "Add an attribute picture named %1.%2.jpg to the Attributes folder, or rename this "
                                         "picture after an attribute that exists.")
                           .arg(plainPart(object, 2), plainPart(object, 3))
                       + NameHints(run).attributeHint(object),
                   {},
                   {}});
}

void findAttributeUnreadable(ObjectAnalysis& analysis)
{
    if (!analysis.attributeError)
        return;
    const QString& attribute = analysis.report.attribute;
    analysis.tell({QStringLiteral("attribute-unreadable"),
                   Severity::Error,
                   {},
                   {},
                   QCoreApplication::translate("ObjectFindings", "Its attribute %1 cannot be loaded.").arg(attribute),
                   QCoreApplication::translate("ObjectFindings", "Whenever this picture is drawn, %1.")
                       .arg(stopsWith(*analysis.attributeError)),
                   QCoreApplication::translate("ObjectFindings", "Replace Attributes/%1 (see below).").arg(attribute),
                   {attribute},
                   {}});
}

} // namespace

void findObjectProblems(CheckRun& run, ObjectAnalysis& analysis)
{
    // What an empty or missing folder causes is said once, there.
    findUnreadablePicture(run, analysis);
    const bool badName = hasBadName(analysis.object);
    if (badName)
        findBadName(run, analysis);
    findNoSymbol(run, analysis);
    findSymbolUnreadable(analysis);
    // The attribute row is told with the symbol row's draws, and only where there are symbols.
    if (!run.symbols.empty()) {
        findDistractorProblems(run, analysis, Row::Symbols);
        if (!badName)
            findNoAttribute(run, analysis);
        findAttributeUnreadable(analysis);
    }
    if (!run.attributes.empty() && !badName)
        findDistractorProblems(run, analysis, Row::Attributes);
}

} // namespace tessarine::check
