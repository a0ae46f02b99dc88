#pragma once

#include "platform/Platform.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace tessarine {

class Module1;

// The last window of a run: the program's title, version and credits. "OK", Enter or Esc close
// it, and with it the run ends.
class frmAbout final : public QWidget {
    Q_OBJECT

public:
    // Builds the window and runs its load step.
    frmAbout(Module1& module, const Platform& platform, QWidget* parent = nullptr);

    QLabel* picIcon;
    QPushButton* cmdOK;
    QLabel* lblDescription;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDisclaimer;
    QLabel* lblStatistiche;
    QLabel* lblEsito;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void cmdOK_Click();

    Module1& m_module;
    Platform m_platform;
};

} // namespace tessarine
