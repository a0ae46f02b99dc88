#include "exercise/SetComposer.h"

#include "core/Conversions.h"
#include "core/Module1.h"
#include "platform/PictureLoader.h"
#include "platform/ProgramInfo.h"

namespace tessarine {

namespace {

const QString RightAnswer = QStringLiteral("OK");

// Draws list positions until `usable` accepts the name there; error 550 after MaxAttempts misses.
template <typename Draw, typename Usable>
QString drawDistractor(Draw&& draw, Usable&& usable)
{
    std::int16_t attempts = 0;
    for (;;) {
        const QString candidate = draw();
        const bool found = usable(candidate);
        ++attempts;
        if (found)
            return candidate;
        if (attempts >= SetComposer::MaxAttempts)
            throw noImageFound();
    }
}

} // namespace

SetComposer::SetComposer(Module1& module, IPictureLoader& pictures, const ProgramInfo& program, IExerciseView& view)
    : m_module(module)
    , m_pictures(pictures)
    , m_program(program)
    , m_view(view)
    , m_rules(module)
{
}

void SetComposer::showAnswer(Row row, int index, const QString& subFolder, const QString& name)
{
    const QImage picture = m_pictures.load(mediaPath(m_program, subFolder, name),
                                                             m_view.answerPictureSize());
    m_view.setAnswerPicture(row, index, picture, name);
}

void SetComposer::fillRightSymbol(int index, const QString& object)
{
    for (std::int16_t i = 1; i <= m_module.NumSimboli; ++i) {
        if (m_rules.symbolMatches(m_module.ElencoSimboli[i], object)) {
            showAnswer(Row::Symbols, index, Folder::Symbols, m_module.ElencoSimboli[i]);
            m_view.setTag(Row::Symbols, index, RightAnswer);
            return;
        }
    }
}

void SetComposer::fillRightAttribute(int index, const QString& object)
{
    for (std::int16_t i = 1; i <= m_module.NumAttributi; ++i) {
        if (m_rules.attributeMatches(m_module.ElencoAttributi[i], object)) {
            showAnswer(Row::Attributes, index, Folder::Attributes, m_module.ElencoAttributi[i]);
            m_view.setTag(Row::Attributes, index, RightAnswer);
            return;
        }
    }
}

std::int16_t SetComposer::drawDistractorSide() { return narrowTo16(m_module.Casuale(2) - 1); }

void SetComposer::cmdCambia_Click()
{
    Module1& m = m_module;

    m_view.setAttributeRowVisible(!m.UseSequence);

    for (const Row row : {Row::Symbols, Row::Attributes})
        for (int index : {0, 1})
            m_view.clearAnswerPicture(row, index);
    for (const Row row : {Row::Symbols, Row::Attributes})
        for (int index : {0, 1})
            m_view.setTag(row, index, QString());

    const QString object = m.ElencoImmagini[narrowTo16(m.Casuale(m.NumImmagini))];
    m_view.setObjectPicture(
        m_pictures.load(mediaPath(m_program, Folder::Images, object), m_view.objectPictureSize()),
        object);
    const QString key = m_rules.upperPart(object, 1);
    m_view.setCaption(key + u' ' + m_rules.upperPart(object, 3));

    if (m.ShowSymbolsDistractor) {
        const std::int16_t distractorSide = drawDistractorSide();
        fillRightSymbol(1 - distractorSide, object);
        const QString distractor = drawDistractor([&] { return m.ElencoSimboli[narrowTo16(m.Casuale(m.NumSimboli))]; },
                                                  [&](const QString& symbol) { return !m_rules.symbolMatches(symbol, object); });
        showAnswer(Row::Symbols, distractorSide, Folder::Symbols, distractor);
    } else {
        fillRightSymbol(0, object);
    }

    // The candidates for the attribute distractor are gathered in every set, shown or not.
    NameTable candidates;
    std::int16_t candidateCount = 0;
    for (std::int16_t i = 1; i <= m.NumAttributi; ++i) {
        const QString& attribute = m.ElencoAttributi[i];
        if (m_rules.isCandidate(attribute, object, m.SameCategoryAttributes)) {
            candidates[candidateCount + 1] = attribute;
            candidateCount = narrowTo16(candidateCount + 1);
        }
    }

    if (m.ShowAttributesDistractor) {
        const std::int16_t distractorSide = drawDistractorSide();
        fillRightAttribute(1 - distractorSide, object);
        const QString distractor =
            drawDistractor([&] { return candidates[narrowTo16(m.Casuale(candidateCount))]; },
                           [&](const QString& attribute) { return m_rules.valueDiffers(attribute, object); });
        showAnswer(Row::Attributes, distractorSide, Folder::Attributes, distractor);
    } else {
        fillRightAttribute(0, object);
    }
}

} // namespace tessarine
