#pragma once

#include "options/OptionsLogic.h"
#include "options/OptionsView.h"
#include "platform/Platform.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tessarine {

class Module1;
class TriStateCheckBox;

// The options window, the first window of every run. It shows the stored options, copies the
// distractor and sequence options into the shared flags as they change, and on closing stores
// every option and sets the shared sound choices. "Start program" closes it and opens the
// exercise window; closing it any other way ends the run. The window holds the layout and the
// wiring; the procedures are OptionsLogic's.
class frmApertura final : public QWidget, private IOptionsView {
    Q_OBJECT

public:
    // What the window leads to; the run's flow provides it. Any but `openExercise` may be empty.
    struct Actions {
        // Opens the exercise window: creates it into `window` (so that a window whose load step
        // failed can still be shown as far as it got), runs its load step and shows it. Throws
        // what the load step throws.
        std::function<void(QPointer<QWidget>& window)> openExercise;
        // The learners that have records, for the learner list.
        std::function<QStringList()> knownLearners;
        // "Records...", "Access..." and "Teaching..." for the learner in the learner row.
        std::function<void(const QString& learner)> openRecords;
        std::function<void(const QString& learner)> openAccess;
        std::function<void(const QString& learner)> openTeaching;
        // Plain words about the computer's sound output when it cannot play sounds; else empty.
        std::function<QString()> audioNotice;
        // The run's choice of pictures, which outlives this window; the window keeps its own when null.
        CollectionChoice* collections = nullptr;
        // "Other folder..." in "Pictures": the folder picked, empty when cancelled. A folder dialog
        // when empty.
        std::function<QString(QWidget* parent)> chooseFolder;
        // "Pictures..." for the collection chosen in "Pictures"; the button is hidden when empty.
        std::function<void(const QString& folder)> openPictures;
    };

    // Builds the window and runs its load step; the caller shows it.
    frmApertura(Module1& module, const Platform& platform, Actions actions, QWidget* parent = nullptr);

    void learnerDeleted(const QString& learner) { m_logic.learnerDeleted(learner); }
    void learnersChanged() { m_logic.learnersChanged(); }
    // The Pictures window went on to another collection: "Pictures" shows it.
    void collectionChanged(const QString& folder) { m_logic.followCollection(folder); }
    // The folder of the collection chosen in "Pictures", which the exercise will show.
    const QString& chosenCollection() const { return m_logic.chosenCollection(); }

    QLabel* Label1;
    QFrame* Line2;
    QGroupBox* frmDistractors;
    TriStateCheckBox* chkShowSymbolsDistractor;
    TriStateCheckBox* chkShowAttributesDistractor;
    QLabel* Label3;
    QRadioButton* Option1;
    QRadioButton* Option2;
    TriStateCheckBox* chkSequenza;
    QGroupBox* Frame1;
    TriStateCheckBox* chkSuoni;
    // Says so beside "Play sounds" when the computer has no sound output; hidden otherwise.
    QLabel* lblNoAudio;
    QLabel* Label5;
    QComboBox* cboSoundOK;
    QPushButton* cmdPlayOk;
    QLabel* Label4;
    QComboBox* cboSoundWrong;
    QPushButton* cmdPlayWrong;
    QFrame* Line1;
    QPushButton* OKButton;
    // The learner row, in the band left of "Start program".
    QLabel* lblLearner;
    QComboBox* cboLearner;
    QPushButton* cmdRecords;
    QPushButton* cmdAccess;
    // The row has no room left: "Teaching..." ends the band beneath, under "Start program".
    QPushButton* cmdTeaching;
    // "Pictures", the collection the exercise shows, beneath the learner row.
    QLabel* lblPictures;
    QComboBox* cboPictures;
    QPushButton* cmdPictures;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OKButton_Click();

    TriStateCheckBox* box(OptionBox which) const;
    QComboBox* list(SoundList which) const;
    std::int16_t boxValue(OptionBox which) const override;
    void setBoxValue(OptionBox which, std::int16_t value) override;
    bool sameCategorySelected() const override;
    void selectSameCategory() override;
    void selectFullRandom() override;
    void addSound(SoundList which, const QString& name) override;
    int soundIndex(SoundList which) const override;
    void setSoundIndex(SoundList which, int index) override;
    QString soundText(SoundList which) const override;
    void selectSound(SoundList which, const QString& name) override;
    void setKnownLearners(const QStringList& learners) override;
    QString learner() const override;
    void setLearner(const QString& learner) override;
    void setCollections(const QStringList& names) override;
    void setCollectionIndex(int index) override;
    QString chooseOtherFolder() override;
    void clearSounds() override;

    Module1& m_module;
    Platform m_platform;
    Actions m_actions;
    OptionsLogic m_logic;
    // Set by "Start program", whose closing leads on to the exercise window instead of the end.
    bool m_starting = false;
    bool m_unloaded = false;
};

} // namespace tessarine
