#pragma once

#include "exercise/ExerciseView.h"
#include "exercise/MatchingRules.h"

#include <QString>

#include <cstdint>

namespace tessarine {

class IPictureLoader;
class Module1;
class NameTable;
struct ProgramInfo;

// Composes one exercise set on the exercise window from the shared picture lists and options:
// a random object picture with its caption, its symbol and its attribute marked "OK", and a
// distractor beside each where the options ask for one. It has no error handling of its own: an
// error ends the composition where it happens, leaving the window as far as it got, and passes to
// whoever asked for the set.
class SetComposer {
public:
    // A distractor draw gives up after this many attempts with error 550.
    static constexpr int MaxAttempts = 10000;

    SetComposer(Module1& module, IPictureLoader& pictures, const ProgramInfo& program, IExerciseView& view);

    void cmdCambia_Click();

private:
    void showAnswer(Row row, int index, const QString& subFolder, const QString& name);
    void fillRightSymbol(int index, const QString& object);
    void fillRightAttribute(int index, const QString& object);
    std::int16_t drawDistractorSide();

    Module1& m_module;
    IPictureLoader& m_pictures;
    const ProgramInfo& m_program;
    IExerciseView& m_view;
    MatchingRules m_rules;
};

} // namespace tessarine
