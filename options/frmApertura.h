#pragma once

#include <QWidget>

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
// exercise window; closing it any other way ends the run.
class frmApertura final : public QWidget {
    Q_OBJECT

public:
    // Builds the window and runs its load step; the caller shows it.
    explicit frmApertura(Module1& module, QWidget* parent = nullptr);

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
    QLabel* Label5;
    QComboBox* cboSoundOK;
    QPushButton* cmdPlayOk;
    QLabel* Label4;
    QComboBox* cboSoundWrong;
    QPushButton* cmdPlayWrong;
    QFrame* Line1;
    QPushButton* OKButton;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void CaricaSuoni();
    void AggiornaStatoImpostazioni();
    void Form_Unload();

    void chkShowSymbolsDistractor_Click();
    void chkShowAttributesDistractor_Click();
    void chkSequenza_Click();
    void Option1_Click();
    void Option2_Click();
    void OKButton_Click();
    void cmdPlayOk_Click();
    void cmdPlayWrong_Click();

    Module1& m_module;
    // Set by "Start program", whose closing leads on to the exercise window instead of the end.
    bool m_starting = false;
    bool m_unloaded = false;
};

} // namespace tessarine
