// The options logic where only a view without widgets reaches it; the rest is in test_options.
#include "core/Module1.h"
#include "core/RuntimeError.h"
#include "options/OptionsLogic.h"
#include "platform/doubles/TestDoubles.h"
#include "settings/SettingsStore.h"
#include "support/MediaFolder.h"

#include <QtTest>

using namespace tessarine;

namespace {

// Only the learner row is looked at here.
class FakeView final : public IOptionsView {
public:
    std::int16_t boxValue(OptionBox) const override { return 1; }
    void setBoxValue(OptionBox, std::int16_t) override {}
    bool sameCategorySelected() const override { return true; }
    void selectSameCategory() override {}
    void selectFullRandom() override {}
    void addSound(SoundList, const QString&) override {}
    int soundIndex(SoundList) const override { return 0; }
    void setSoundIndex(SoundList, int) override {}
    QString soundText(SoundList) const override { return {}; }
    void selectSound(SoundList, const QString&) override {}
    void setKnownLearners(const QStringList& names) override { learners = names; }
    QString learner() const override { return learnerText; }
    void setLearner(const QString& name) override { learnerText = name; }
    void setCollections(const QStringList&) override {}
    void setCollectionIndex(int) override {}
    QString chooseOtherFolder() override { return {}; }
    void clearSounds() override {}

    QStringList learners;
    QString learnerText;
};

} // namespace

class TestOptionsLogic : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Learners whose records cannot be listed are told once and the opening goes on to the stored
    // learner. A deleted learner leaves the learner row however it was typed; another one stays.
    void learnerRow()
    {
        testing::MediaFolder folder;
        doubles::TestPlatform platform(folder.path());
        Module1 module(platform.messageBox, platform.random);
        FakeView view;
        QStringList known;
        bool fail = true;
        OptionsLogic logic(module, platform.platform(), view, [&] {
            if (fail)
                throw RuntimeError(3049, QStringLiteral("The records file is damaged"));
            return known;
        });
        const SettingDefinition& learner = SettingsStore::definition(SettingKey::Learner);
        platform.settings.values.insert({learner.section, learner.name}, QStringLiteral("Ana"));
        logic.Form_Load();
        QCOMPARE(platform.messageBox.shown, QStringList{"Error \"The records file is damaged\" in Form_Load() routine"});
        QCOMPARE(view.learnerText, QStringLiteral("Ana"));

        fail = false;
        known = {"Ben"};
        view.learnerText = QStringLiteral(" Ana ");
        logic.learnerDeleted(QStringLiteral("Ana"));
        QCOMPARE(view.learners, known);
        QCOMPARE(view.learnerText, QString());
        view.learnerText = QStringLiteral("Ben");
        logic.learnerDeleted(QStringLiteral("Cleo"));
        QCOMPARE(view.learnerText, QStringLiteral("Ben"));
        QCOMPARE(platform.messageBox.shown.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestOptionsLogic)
#include "test_options_logic.moc"
