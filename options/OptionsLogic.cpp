#include "options/OptionsLogic.h"

#include "core/Conversions.h"
#include "core/ErrorGuard.h"
#include "core/Module1.h"
#include "core/NameTable.h"
#include "core/ProgramRecord.h"
#include "platform/DirectoryListing.h"
#include "settings/SettingsStore.h"
#include "sound/SoundPlayback.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopedValueRollback>

#include <utility>

namespace tessarine {

namespace {

//: The first entry of both sound lists: play no sound
const char* const NoSound = QT_TRANSLATE_NOOP("OptionsLogic", "*** NO SOUND ***");
const QString SoundPattern = QStringLiteral("*.wav");

} // namespace

OptionsLogic::OptionsLogic(Module1& module, const Platform& platform, IOptionsView& view,
                           std::function<QStringList()> knownLearners, CollectionChoice* collections)
    : m_module(module)
    , m_platform(platform)
    , m_view(view)
    , m_knownLearners(std::move(knownLearners))
    , m_ownChoice(collections
                      ? nullptr
                      : std::make_unique<CollectionChoice>(platform.program.folder, platform.settings, module.messageBox()))
    , m_choice(collections ? *collections : *m_ownChoice)
{
}

OptionsLogic::~OptionsLogic() = default;

void OptionsLogic::Form_Load()
{
    Guard guard(m_module.messageBox(), QStringLiteral("Form_Load"));
    SettingsStore store(m_platform.settings);
    // Nothing follows the learner or the pictures until the window shows them all.
    m_loading = true;

    // A stored state that is no number, too large, or no check-box state leaves the box as it was.
    const auto applyState = [&](OptionBox box, SettingKey key) {
        guard.step([&] { m_view.setBoxValue(box, textToInt16(store.read(key))); });
    };
    applyState(OptionBox::ShowSymbolsDistractor, SettingKey::ShowSymbolsDistractor);
    applyState(OptionBox::ShowAttributesDistractor, SettingKey::ShowAttributesDistractor);
    applyState(OptionBox::UseSequence, SettingKey::UseSequence);
    // The sound lists below come from the chosen collection's "Sounds".
    guard.step([&] { bringBack(m_choice.stored()); });
    if (guard.test([&] { return store.read(SettingKey::SameCategoryAttributes) == QStringLiteral("S"); }))
        guard.step([&] { m_view.selectSameCategory(); });
    else
        guard.step([&] { m_view.selectFullRandom(); });
    guard.step([&] { CaricaSuoni(); });
    guard.step([&] { AggiornaStatoImpostazioni(); });
    if (m_knownLearners)
        guard.step([&] { m_view.setKnownLearners(m_knownLearners()); });
    // The session's collection is the last learner's; setting the learner brings nothing new.
    guard.step([&] { m_view.setLearner(store.read(SettingKey::Learner)); });
    m_loading = false;
}

void OptionsLogic::learnerDeleted(const QString& learner)
{
    m_choice.forget(learner);
    refillLearners(learner);
}

void OptionsLogic::learnersChanged() { refillLearners(QString()); }

void OptionsLogic::refillLearners(const QString& deleted)
{
    // The list refilled passes through other learners, whose pictures must not come with them.
    const QScopedValueRollback quiet(m_loading, true);
    const QString current = m_view.learner();
    if (m_knownLearners)
        m_view.setKnownLearners(m_knownLearners());
    m_view.setLearner(!deleted.isEmpty() && current.trimmed() == deleted ? QString() : current);
}

void OptionsLogic::CaricaSuoni()
{
    Guard guard(m_module.messageBox(), QStringLiteral("CaricaSuoni"));
    SettingsStore store(m_platform.settings);
    QString storedOk;
    QString storedWrong;
    guard.step([&] { storedOk = store.read(SettingKey::SoundOk); });
    guard.step([&] { storedWrong = store.read(SettingKey::SoundWrong); });
    fillSounds(guard, storedOk, storedWrong);
    guard.step([&] { m_view.setBoxValue(OptionBox::PlaySounds, textToInt16(store.read(SettingKey::PlaySounds))); });
}

// Lists the wave files of the chosen collection's "Sounds" into both lists and selects `ok` and
// `wrong` in them, "*** NO SOUND ***" where no file has that name.
void OptionsLogic::fillSounds(Guard& guard, const QString& ok, const QString& wrong)
{
    NameTable names;
    std::int32_t count = 0;
    QString name;

    guard.step([&] { name = m_platform.listing.first(mediaPath(m_platform.program, Folder::Sounds, SoundPattern)); });
    while (!name.isEmpty()) {
        // Past the working list's end each name is reported and left out.
        guard.step([&] {
            names[count + 1] = name;
            ++count;
        });
        // A listing that fails part-way ends here rather than being asked again and again.
        if (!guard.step([&] { name = m_platform.listing.next(); }))
            name.clear();
    }

    // Ordinal order of the character codes: capitals before small letters, as the user expects
    // from the names alone, whatever order the listing gave.
    guard.step([&] {
        for (bool swapped = count > 0; swapped;) {
            swapped = false;
            for (std::int32_t j = 1; j < count; ++j) {
                if (QString::compare(names[j], names[j + 1], Qt::CaseSensitive) > 0) {
                    std::swap(names[j], names[j + 1]);
                    swapped = true;
                }
            }
        }
    });

    for (const SoundList list : {SoundList::Ok, SoundList::Wrong})
        guard.step([&] { m_view.addSound(list, QCoreApplication::translate("OptionsLogic", NoSound)); });
    for (std::int32_t j = 1; j <= count; ++j) {
        guard.step([&] { m_view.addSound(SoundList::Ok, names[j]); });
        guard.step([&] { m_view.addSound(SoundList::Wrong, names[j]); });
    }
    // The lists start with nothing selected, so that a stored name that matches no file ends on
    // "*** NO SOUND ***" below.
    for (const SoundList list : {SoundList::Ok, SoundList::Wrong})
        guard.step([&] { m_view.setSoundIndex(list, -1); });

    if (count == 0) {
        for (const SoundList list : {SoundList::Ok, SoundList::Wrong})
            guard.step([&] { m_view.setSoundIndex(list, 0); });
        return;
    }
    for (std::int32_t j = 1; j <= count; ++j) {
        if (guard.test([&] { return names[j].toUpper() == ok.toUpper(); }))
            guard.step([&] { m_view.selectSound(SoundList::Ok, ok); });
        if (guard.test([&] { return names[j].toUpper() == wrong.toUpper(); }))
            guard.step([&] { m_view.selectSound(SoundList::Wrong, wrong); });
    }
    for (const SoundList list : {SoundList::Ok, SoundList::Wrong}) {
        if (guard.test([&] { return m_view.soundText(list).isEmpty(); }))
            guard.step([&] { m_view.setSoundIndex(list, 0); });
    }
}

void OptionsLogic::bringBack(const QString& remembered)
{
    const bool vanished = !remembered.isEmpty() && !QFileInfo(remembered).isDir();
    choose(m_choice.available(remembered));
    m_vanished = vanished ? remembered : QString();
}

// By value: callers pass an entry of the list that this replaces.
void OptionsLogic::choose(QString folder)
{
    m_collections = m_choice.collections().list(folder);
    QStringList names;
    int index = 0;
    for (const Collection& collection : std::as_const(m_collections)) {
        if (collection.folder == QDir::cleanPath(QFileInfo(folder).absoluteFilePath()))
            index = int(names.size());
        names.append(collection.name);
    }
    m_view.setCollections(names);
    m_view.setCollectionIndex(index);
    m_vanished.clear();
    const QString previous = std::exchange(m_platform.program.folder, m_collections.at(index).folder);
    // At the opening the sound lists are filled afterwards, from the stored names; later they keep
    // the names chosen where the new collection has them.
    if (m_loading || m_platform.program.folder == previous)
        return;
    Guard guard(m_module.messageBox(), QStringLiteral("CaricaSuoni"));
    const auto chosen = [&](SoundList list) { return m_view.soundIndex(list) > 0 ? m_view.soundText(list) : QString(); };
    const QString ok = chosen(SoundList::Ok);
    const QString wrong = chosen(SoundList::Wrong);
    m_view.clearSounds();
    fillSounds(guard, ok, wrong);
}

void OptionsLogic::cboPictures_Click(int index)
{
    Guard guard(m_module.messageBox(), QStringLiteral("cboPictures_Click"));
    if (index >= 0 && index < m_collections.size()) {
        guard.step([&] { choose(m_collections.at(index).folder); });
        return;
    }
    QString folder;
    guard.step([&] { folder = m_view.chooseOtherFolder(); });
    // Cancelled: the list goes back to the collection it showed.
    guard.step([&] { choose(folder.isEmpty() ? m_platform.program.folder : folder); });
}

void OptionsLogic::learnerChanged(const QString& learner)
{
    if (m_loading)
        return;
    Guard guard(m_module.messageBox(), QStringLiteral("cboLearner_Click"));
    guard.step([&] {
        if (const auto remembered = m_choice.storedFor(learner))
            bringBack(*remembered);
    });
}

void OptionsLogic::followCollection(const QString& folder)
{
    Guard guard(m_module.messageBox(), QStringLiteral("cboPictures_Click"));
    guard.step([&] { choose(folder); });
}

void OptionsLogic::AggiornaStatoImpostazioni()
{
    Guard guard(m_module.messageBox(), QStringLiteral("AggiornaStatoImpostazioni"));
    Module1& m = m_module;
    // Only a checked box sets its flag; the third state counts as off. A state that cannot be read
    // sets the flag (test() answers true after its report).
    const auto checked = [&](OptionBox box) { return guard.test([&] { return m_view.boxValue(box) == 1; }); };
    m.ShowSymbolsDistractor = checked(OptionBox::ShowSymbolsDistractor);
    m.ShowAttributesDistractor = checked(OptionBox::ShowAttributesDistractor);
    guard.step([&] { m.SameCategoryAttributes = m_view.sameCategorySelected(); });
    m.UseSequence = checked(OptionBox::UseSequence);
}

void OptionsLogic::Form_Unload()
{
    Guard guard(m_module.messageBox(), QStringLiteral("Form_Unload"));
    Module1& m = m_module;
    SettingsStore store(m_platform.settings);

    const auto storeState = [&](SettingKey key, OptionBox box) {
        guard.step([&] { store.write(key, QString::number(m_view.boxValue(box))); });
    };
    storeState(SettingKey::ShowSymbolsDistractor, OptionBox::ShowSymbolsDistractor);
    storeState(SettingKey::ShowAttributesDistractor, OptionBox::ShowAttributesDistractor);
    storeState(SettingKey::UseSequence, OptionBox::UseSequence);
    if (guard.test([&] { return m_view.sameCategorySelected(); }))
        guard.step([&] { store.write(SettingKey::SameCategoryAttributes, QStringLiteral("S")); });
    else
        guard.step([&] { store.write(SettingKey::SameCategoryAttributes, QStringLiteral("N")); });
    storeState(SettingKey::PlaySounds, OptionBox::PlaySounds);

    // Entry 0, "*** NO SOUND ***", and no selection at all are both stored as the empty text.
    const auto takeSound = [&](SoundList list, SettingKey key, QString& variable) {
        if (guard.test([&] { return m_view.soundIndex(list) > 0; })) {
            guard.step([&] { store.write(key, m_view.soundText(list)); });
            guard.step([&] { variable = m_view.soundText(list); });
        } else {
            guard.step([&] { store.write(key, QString()); });
            guard.step([&] { variable.clear(); });
        }
    };
    takeSound(SoundList::Ok, SettingKey::SoundOk, m.SoundOk);
    takeSound(SoundList::Wrong, SettingKey::SoundWrong, m.SoundWrong);
    m.PlaySounds = guard.test([&] { return m_view.boxValue(OptionBox::PlaySounds) == 1; });

    const std::pair<SettingKey, const QString&> record[] = {
        {SettingKey::Author, ProgramRecord::Author},
        {SettingKey::Year, ProgramRecord::Year},
        {SettingKey::Contact, ProgramRecord::Contact},
        {SettingKey::Website, ProgramRecord::Website},
    };
    for (const auto& [key, value] : record)
        guard.step([&] { store.write(key, value); });
    guard.step([&] {
        m.Learner = m_view.learner().trimmed();
        store.write(SettingKey::Learner, m.Learner);
    });
    guard.step([&] {
        m_choice.store(m_vanished.isEmpty() ? m_platform.program.folder : m_vanished, m.Learner);
        m_choice.setInUse(m_platform.program.folder);
    });

    // All keys reach the file together; a store that cannot be written is reported once, here,
    // and the previous file is left whole.
    guard.step([&] { store.flush(); });
}

void OptionsLogic::cmdPlayOk_Click() { preview(SoundList::Ok, QStringLiteral("cmdPlayOk_Click")); }

void OptionsLogic::cmdPlayWrong_Click() { preview(SoundList::Wrong, QStringLiteral("cmdPlayWrong_Click")); }

void OptionsLogic::preview(SoundList list, const QString& procedure)
{
    Guard guard(m_module.messageBox(), procedure);
    guard.step([&] {
        API_PlaySound(m_module.messageBox(), m_platform.sound,
                      mediaPath(m_platform.program, Folder::Sounds, m_view.soundText(list)));
    });
}

} // namespace tessarine
