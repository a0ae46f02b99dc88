#pragma once

#include "options/OptionsView.h"
#include "platform/Platform.h"

#include <functional>

namespace tessarine {

class Module1;

// The options window's procedures, apart from its controls: applying the stored options at the
// opening, filling the sound lists, copying the options into the shared flags as they change,
// storing every option at the closing, and the sound previews. Each is guarded under its own
// name by the program's error convention.
class OptionsLogic {
public:
    // `knownLearners` lists the learners with records, for the learner row; it may be empty.
    OptionsLogic(Module1& module, const Platform& platform, IOptionsView& view, std::function<QStringList()> knownLearners = {});

    void Form_Load();
    void CaricaSuoni();
    void AggiornaStatoImpostazioni();
    void Form_Unload();
    void cmdPlayOk_Click();
    void cmdPlayWrong_Click();
    // A learner's records were deleted: the list shows who is left, and a learner no longer
    // recorded is not kept in the learner row, where the next session would bring them back.
    void learnerDeleted(const QString& learner);

private:
    void preview(SoundList list, const QString& procedure);

    Module1& m_module;
    Platform m_platform;
    IOptionsView& m_view;
    std::function<QStringList()> m_knownLearners;
};

} // namespace tessarine
