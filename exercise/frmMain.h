#pragma once

#include "exercise/AnswerChecker.h"
#include "exercise/ExerciseView.h"
#include "exercise/SetComposer.h"
#include "platform/Platform.h"

#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace tessarine {

class Module1;
class PictureBox;
class PictureDecoder;

// The exercise window: the object picture with its caption, the symbol row in the yellow frame,
// the attribute row in the red frame and "Change set". The layout is fixed at its design
// positions, whatever the window's size. Closing it emits closed() once; what comes next is the
// run's business.
class frmMain final : public QWidget, private IExerciseView {
    Q_OBJECT

public:
    // Pictures are decoded by `decoder`, which outlives the window and finishes what it leaves.
    frmMain(Module1& module, const Platform& platform, PictureDecoder& decoder, QWidget* parent = nullptr);

    // The load step: maximise, fill the three picture lists, show or hide the distractor elements,
    // compose the first set. An error of the first set ends it and passes to the caller.
    void Form_Load();
    // Shows a new set; an error ends the set where it happened and passes on.
    void cmdCambia_Click();
    // The set after the one on screen is ready to be shown.
    bool nextSetReady() const { return m_composer.nextSetReady(); }

    QLabel* lblImmagine;
    PictureBox* Immagine;
    QPushButton* cmdCambia;
    QFrame* Frame1;
    QFrame* Frame2;
    std::array<PictureBox*, 2> Simbolo;
    std::array<PictureBox*, 2> Attributo;

Q_SIGNALS:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    PictureBox* element(Row row, int index) const;

    void setObjectPicture(const QImage& picture, const QString& sourceName) override;
    void setCaption(const QString& caption) override;
    void setAnswerPicture(Row row, int index, const QImage& picture, const QString& sourceName) override;
    void clearAnswerPicture(Row row, int index) override;
    QString tag(Row row, int index) const override;
    void setTag(Row row, int index, const QString& tag) override;
    void setAttributeRowVisible(bool visible) override;

    Module1& m_module;
    Platform m_platform;
    SetComposer m_composer;
    AnswerChecker m_checker;
    bool m_closed = false;
};

} // namespace tessarine
