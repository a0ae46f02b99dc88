#pragma once

#include "exercise/ExerciseView.h"

#include <QString>

#include <cstdint>

namespace tessarine {

class ISoundPlayer;
class Module1;
struct ProgramInfo;
class SetComposer;

// Judges clicks on the answer pictures by their mark alone. With the sequence option on, a right
// symbol reveals the attribute row and a right attribute brings the next set; right and wrong
// clicks sound when sounds are on. With the sequence option off, clicks change nothing.
class AnswerChecker {
public:
    AnswerChecker(Module1& module, ISoundPlayer& sound, const ProgramInfo& program, IExerciseView& view, SetComposer& composer);

    void Simbolo_Click(std::int16_t index);
    void Attributo_Click(std::int16_t index);

private:
    void judge(Row row, std::int16_t index, const QString& procedure);

    Module1& m_module;
    ISoundPlayer& m_sound;
    const ProgramInfo& m_program;
    IExerciseView& m_view;
    SetComposer& m_composer;
};

} // namespace tessarine
