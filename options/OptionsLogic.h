#pragma once

#include "collections/CollectionChoice.h"
#include "options/OptionsView.h"
#include "platform/Platform.h"

#include <functional>
#include <memory>

namespace tessarine {

class Guard;
class Module1;

// The options window's procedures, apart from its controls: applying the stored options at the
// opening, filling the sound lists, copying the options into the shared flags as they change,
// storing every option at the closing, and the sound previews. Each is guarded under its own
// name by the program's error convention.
class OptionsLogic {
public:
    // `knownLearners` lists the learners with records, for the learner row; it may be empty.
    // `collections` is the run's choice of pictures; without one the logic keeps its own.
    OptionsLogic(Module1& module, const Platform& platform, IOptionsView& view, std::function<QStringList()> knownLearners = {},
                 CollectionChoice* collections = nullptr);
    ~OptionsLogic();

    void Form_Load();
    void CaricaSuoni();
    void AggiornaStatoImpostazioni();
    void Form_Unload();
    void cmdPlayOk_Click();
    void cmdPlayWrong_Click();
    // A learner's records were deleted: the list shows who is left, and a learner no longer
    // recorded is not kept in the learner row, where the next session would bring them back.
    void learnerDeleted(const QString& learner);
    // The learners' records are now read elsewhere: the list is read again; the learner chosen stays.
    void learnersChanged();

    // The user picked entry `index` of "Pictures"; the one past the collections is "Other folder...".
    void cboPictures_Click(int index);
    // A learner in the learner row brings the pictures remembered for them, if any.
    void learnerChanged(const QString& learner);
    // The collection shown elsewhere (the Pictures window) becomes the one chosen here.
    void followCollection(const QString& folder);
    // The folder of the collection chosen in "Pictures".
    const QString& chosenCollection() const { return m_platform.program.folder; }

private:
    void preview(SoundList list, const QString& procedure);
    void refillLearners(const QString& deleted);
    void fillSounds(Guard& guard, const QString& ok, const QString& wrong);
    // Shows `remembered` in "Pictures", or the program's own pictures when it has vanished.
    void bringBack(const QString& remembered);
    void choose(QString folder);

    Module1& m_module;
    Platform m_platform;
    IOptionsView& m_view;
    std::function<QStringList()> m_knownLearners;
    std::unique_ptr<CollectionChoice> m_ownChoice;
    CollectionChoice& m_choice;
    // What "Pictures" lists; m_platform.program.folder is the chosen one, where the sounds are.
    QList<Collection> m_collections;
    // A remembered collection that has vanished stays remembered unless the user picks another,
    // so that a disk plugged in again next time brings it back.
    QString m_vanished;
    bool m_loading = false;
};

} // namespace tessarine
