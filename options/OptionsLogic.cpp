#include "options/OptionsLogic.h"

#include "core/Conversions.h"
#include "core/ErrorGuard.h"
#include "core/Module1.h"
#include "core/NameTable.h"
#include "core/ProgramRecord.h"
#include "platform/DirectoryListing.h"
#include "settings/SettingsStore.h"
#include "sound/SoundPlayback.h"

#include <utility>

namespace tessarine {

namespace {

const QString NoSound = QStringLiteral("*** NO SOUND ***");
const QString SoundPattern = QStringLiteral("*.wav");

} // namespace

OptionsLogic::OptionsLogic(Module1& module, const Platform& platform, IOptionsView& view,
                           std::function<QStringList()> knownLearners)
    : m_module(module)
    , m_platform(platform)
    , m_view(view)
    , m_knownLearners(std::move(knownLearners))
{
}

void OptionsLogic::Form_Load()
{
    Guard guard(m_module.messageBox(), QStringLiteral("Form_Load"));
    SettingsStore store(m_platform.settings);

    // A stored state that is no number, too large, or no check-box state leaves the box as it was.
    const auto applyState = [&](OptionBox box, SettingKey key) {
        guard.step([&] { m_view.setBoxValue(box, textToInt16(store.read(key))); });
    };
    applyState(OptionBox::ShowSymbolsDistractor, SettingKey::ShowSymbolsDistractor);
    applyState(OptionBox::ShowAttributesDistractor, SettingKey::ShowAttributesDistractor);
    applyState(OptionBox::UseSequence, SettingKey::UseSequence);
    if (guard.test([&] { return store.read(SettingKey::SameCategoryAttributes) == QStringLiteral("S"); }))
        guard.step([&] { m_view.selectSameCategory(); });
    else
        guard.step([&] { m_view.selectFullRandom(); });
    guard.step([&] { CaricaSuoni(); });
    guard.step([&] { AggiornaStatoImpostazioni(); });
    if (m_knownLearners)
        guard.step([&] { m_view.setKnownLearners(m_knownLearners()); });
    guard.step([&] { m_view.setLearner(store.read(SettingKey::Learner)); });
}

void OptionsLogic::learnerDeleted(const QString& learner)
{
    const QString current = m_view.learner();
    if (m_knownLearners)
        m_view.setKnownLearners(m_knownLearners());
    m_view.setLearner(current.trimmed() == learner ? QString() : current);
}

void OptionsLogic::CaricaSuoni()
{
    Guard guard(m_module.messageBox(), QStringLiteral("CaricaSuoni"));
    SettingsStore store(m_platform.settings);
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
        guard.step([&] { m_view.addSound(list, NoSound); });
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
    } else {
        QString storedOk;
        QString storedWrong;
        guard.step([&] { storedOk = store.read(SettingKey::SoundOk); });
        guard.step([&] { storedWrong = store.read(SettingKey::SoundWrong); });
        for (std::int32_t j = 1; j <= count; ++j) {
            if (guard.test([&] { return names[j].toUpper() == storedOk.toUpper(); }))
                guard.step([&] { m_view.selectSound(SoundList::Ok, storedOk); });
            if (guard.test([&] { return names[j].toUpper() == storedWrong.toUpper(); }))
                guard.step([&] { m_view.selectSound(SoundList::Wrong, storedWrong); });
        }
        for (const SoundList list : {SoundList::Ok, SoundList::Wrong}) {
            if (guard.test([&] { return m_view.soundText(list).isEmpty(); }))
                guard.step([&] { m_view.setSoundIndex(list, 0); });
        }
    }

    guard.step([&] { m_view.setBoxValue(OptionBox::PlaySounds, textToInt16(store.read(SettingKey::PlaySounds))); });
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
