// The options' procedures driven through a view without widgets.
#include "core/Module1.h"
#include "core/RuntimeError.h"
#include "options/OptionsLogic.h"
#include "platform/doubles/TestDoubles.h"
#include "settings/SettingsStore.h"
#include "support/MediaFolder.h"

#include <QtTest>

#include <array>
#include <optional>

using namespace tessarine;

namespace {

const QString NoSound = QStringLiteral("*** NO SOUND ***");

std::size_t at(OptionBox box) { return static_cast<std::size_t>(box); }
std::size_t at(SoundList list) { return static_cast<std::size_t>(list); }

// What the options window's controls would hold, in plain members; like the controls, it refuses a
// box state other than 0, 1 or 2 and a sound that no entry carries.
class FakeView final : public IOptionsView {
public:
    std::int16_t boxValue(OptionBox box) const override { return boxes[at(box)]; }
    void setBoxValue(OptionBox box, std::int16_t value) override
    {
        if (value < 0 || value > 2)
            throw invalidPropertyValue();
        boxes[at(box)] = value;
    }
    bool sameCategorySelected() const override { return sameCategory; }
    void selectSameCategory() override { sameCategory = true; }
    void selectFullRandom() override { sameCategory = false; }
    void addSound(SoundList list, const QString& name) override { sounds[at(list)].append(name); }
    int soundIndex(SoundList list) const override { return selected[at(list)]; }
    void setSoundIndex(SoundList list, int index) override { selected[at(list)] = index; }
    QString soundText(SoundList list) const override { return sounds[at(list)].value(selected[at(list)]); }
    void selectSound(SoundList list, const QString& name) override
    {
        const QStringList& entries = sounds[at(list)];
        qsizetype found = entries.indexOf(name);
        for (qsizetype i = 0; found < 0 && i < entries.size(); ++i)
            if (entries[i].compare(name, Qt::CaseInsensitive) == 0)
                found = i;
        if (found < 0)
            throw invalidPropertyValue();
        selected[at(list)] = int(found);
    }
    void setKnownLearners(const QStringList& names) override { learners = names; }
    QString learner() const override { return learnerText; }
    void setLearner(const QString& name) override { learnerText = name; }

    std::array<std::int16_t, 4> boxes{};
    bool sameCategory = false;
    std::array<QStringList, 2> sounds;
    std::array<int, 2> selected{-1, -1};
    QStringList learners;
    QString learnerText;
};

// The logic over a program folder with three sounds, the settings in memory and the learners
// with records in `known` (a failing records file when `knownFail`).
struct Rig {
    Rig()
        : platform(folder.path())
    {
        for (const char* sound : {"ok.wav", "bell.wav", "Error.wav"})
            folder.addFile(QStringLiteral("Sounds"), QString::fromLatin1(sound), "RIFF");
        logic.emplace(module, platform.platform(), view, [this] {
            if (knownFail)
                throw RuntimeError(3049, QStringLiteral("The records file is damaged"));
            return known;
        });
    }
    void store(SettingKey key, const QString& value)
    {
        const SettingDefinition& def = SettingsStore::definition(key);
        platform.settings.values.insert({def.section, def.name}, value);
    }
    QString stored(SettingKey key) const
    {
        const SettingDefinition& def = SettingsStore::definition(key);
        return platform.settings.values.value({def.section, def.name}, QStringLiteral("(missing)"));
    }

    testing::MediaFolder folder;
    doubles::TestPlatform platform;
    Module1 module{platform.messageBox, platform.random};
    FakeView view;
    QStringList known{"Ana", "Ben"};
    bool knownFail = false;
    std::optional<OptionsLogic> logic;
};

} // namespace

class TestOptionsLogic : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The stored options reach the view and the shared flags at the opening, a change reaches the
    // flags at once, and the closing stores what the view holds.
    void optionsFromTheStoreAndBack()
    {
        Rig rig;
        rig.store(SettingKey::ShowSymbolsDistractor, QStringLiteral("0"));
        rig.store(SettingKey::ShowAttributesDistractor, QStringLiteral("2"));
        rig.store(SettingKey::SameCategoryAttributes, QStringLiteral("N"));
        rig.store(SettingKey::PlaySounds, QStringLiteral("0"));
        rig.store(SettingKey::SoundOk, QStringLiteral("BELL.WAV"));
        rig.store(SettingKey::SoundWrong, QStringLiteral("gone.wav"));
        rig.store(SettingKey::Learner, QStringLiteral("Ben"));
        rig.logic->Form_Load();

        const FakeView& view = rig.view;
        QCOMPARE(view.boxes, (std::array<std::int16_t, 4>{0, 2, 1, 0}));
        QVERIFY(!view.sameCategory);
        QCOMPARE(view.sounds[at(SoundList::Ok)], QStringList({NoSound, "Error.wav", "bell.wav", "ok.wav"}));
        QCOMPARE(view.soundText(SoundList::Ok), QStringLiteral("bell.wav"));
        QCOMPARE(view.soundText(SoundList::Wrong), NoSound);
        QCOMPARE(view.learners, QStringList({"Ana", "Ben"}));
        QCOMPARE(view.learnerText, QStringLiteral("Ben"));
        // Only a checked box sets its flag.
        const Module1& m = rig.module;
        QVERIFY(!m.ShowSymbolsDistractor && !m.ShowAttributesDistractor && m.UseSequence && !m.SameCategoryAttributes);

        rig.view.boxes[at(OptionBox::ShowSymbolsDistractor)] = 1;
        rig.logic->AggiornaStatoImpostazioni();
        QVERIFY(m.ShowSymbolsDistractor);

        rig.view.learnerText = QStringLiteral(" Cleo ");
        rig.logic->Form_Unload();
        QCOMPARE(rig.stored(SettingKey::ShowSymbolsDistractor), QStringLiteral("1"));
        QCOMPARE(rig.stored(SettingKey::ShowAttributesDistractor), QStringLiteral("2"));
        QCOMPARE(rig.stored(SettingKey::SameCategoryAttributes), QStringLiteral("N"));
        QCOMPARE(rig.stored(SettingKey::SoundOk), QStringLiteral("bell.wav"));
        QCOMPARE(rig.stored(SettingKey::SoundWrong), QString());
        QCOMPARE(rig.stored(SettingKey::Learner), QStringLiteral("Cleo"));
        QVERIFY(!m.PlaySounds && m.SoundOk == u"bell.wav" && m.SoundWrong.isEmpty() && m.Learner == u"Cleo");
        QCOMPARE(rig.platform.settings.flushes, 1);
        QVERIFY(rig.platform.messageBox.shown.isEmpty());
    }

    // Learners whose records cannot be listed leave the list empty: told once, and the opening goes
    // on to the stored learner. A deleted learner leaves both the list and the learner row.
    void learnerRow()
    {
        Rig rig;
        rig.store(SettingKey::Learner, QStringLiteral("Ana"));
        rig.knownFail = true;
        rig.logic->Form_Load();
        QCOMPARE(rig.platform.messageBox.shown, QStringList{"Error \"The records file is damaged\" in Form_Load() routine"});
        QVERIFY(rig.view.learners.isEmpty());
        QCOMPARE(rig.view.learnerText, QStringLiteral("Ana"));
        QCOMPARE(rig.view.soundText(SoundList::Ok), QStringLiteral("ok.wav"));

        rig.knownFail = false;
        rig.view.learnerText = QStringLiteral(" Ana ");
        rig.known = {"Ben"};
        rig.logic->learnerDeleted(QStringLiteral("Ana"));
        QCOMPARE(rig.view.learners, QStringList{"Ben"});
        QCOMPARE(rig.view.learnerText, QString());

        rig.view.learnerText = QStringLiteral("Ben");
        rig.known = {"Ben"};
        rig.logic->learnerDeleted(QStringLiteral("Cleo"));
        QCOMPARE(rig.view.learnerText, QStringLiteral("Ben"));
        QCOMPARE(rig.platform.messageBox.shown.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestOptionsLogic)
#include "test_options_logic.moc"
