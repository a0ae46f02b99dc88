#include "exercise/AnswerChecker.h"

#include "core/ErrorGuard.h"
#include "core/Module1.h"
#include "exercise/SetComposer.h"
#include "platform/ProgramInfo.h"
#include "sound/SoundPlayback.h"

namespace tessarine {

AnswerChecker::AnswerChecker(Module1& module, ISoundPlayer& sound, const ProgramInfo& program, IExerciseView& view,
                             SetComposer& composer)
    : m_module(module)
    , m_sound(sound)
    , m_program(program)
    , m_view(view)
    , m_composer(composer)
{
}

void AnswerChecker::Simbolo_Click(std::int16_t index) { judge(Row::Symbols, index, QStringLiteral("Simbolo_Click")); }

void AnswerChecker::Attributo_Click(std::int16_t index) { judge(Row::Attributes, index, QStringLiteral("Attributo_Click")); }

void AnswerChecker::judge(Row row, std::int16_t index, const QString& procedure)
{
    Module1& m = m_module;
    Guard guard(m.messageBox(), procedure);
    const auto playIfWanted = [&](const QString& sound) {
        // Tested in this order, stopping at the first that fails.
        if (guard.test([&] { return !sound.isEmpty(); }) && guard.test([&] { return m.PlaySounds; })
            && guard.test([&] { return m.UseSequence; })) {
            guard.step([&] { API_PlaySound(m.messageBox(), m_sound, mediaPath(m_program, Folder::Sounds, sound)); });
        }
    };

    if (guard.test([&] { return m_view.tag(row, index) == RightAnswerTag; })) {
        playIfWanted(m.SoundOk);
        if (guard.test([&] { return m.UseSequence; })) {
            if (row == Row::Symbols)
                guard.step([&] { m_view.setAttributeRowVisible(true); });
            else
                guard.step([&] { m_composer.cmdCambia_Click(); });
        }
    } else {
        playIfWanted(m.SoundWrong);
    }
}

} // namespace tessarine
