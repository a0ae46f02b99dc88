#pragma once

#include "access/doubles/AccessDoubles.h"
#include "core/Module1.h"
#include "exercise/PictureDecoder.h"
#include "exercise/frmMain.h"
#include "platform/doubles/TestDoubles.h"
#include "support/MediaFolder.h"
#include "widgets/PictureBox.h"

#include <QPushButton>
#include <QtTest>

#include <memory>
#include <optional>

namespace tessarine::testing {

// The exercise's options, as Module1 holds them.
struct Options {
    bool symbolDistractor = true, attributeDistractor = true, sameCategory = true, sequence = true, sounds = true;
};

// One exercise window over a throw-away program folder, with recording doubles for the message box and the sound player,
// its time on a fake clock that the test moves with `timers.advance()`.
struct Exercise {
    Exercise(const QStringList& images, const QStringList& symbols, const QStringList& attributes, Options options = {},
             ExerciseAids aids = {})
        : platform(folder.path())
        , module(platform.messageBox, platform.random)
    {
        folder.addPictures(QStringLiteral("Images"), images);
        folder.addPictures(QStringLiteral("Symbols"), symbols);
        folder.addPictures(QStringLiteral("Attributes"), attributes);
        module.ShowSymbolsDistractor = options.symbolDistractor;
        module.ShowAttributesDistractor = options.attributeDistractor;
        module.SameCategoryAttributes = options.sameCategory;
        module.UseSequence = options.sequence;
        module.PlaySounds = options.sounds;
        module.SoundOk = QStringLiteral("ok.wav");
        module.SoundWrong = QStringLiteral("error.wav");
        setAids(aids);
    }

    // Builds the window anew with `aids`, for aids made over the platform's doubles.
    void setAids(ExerciseAids aids)
    {
        window.reset();
        window = std::make_unique<frmMain>(module, platform.platform(), decoder, aids, clock, timers);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
    }

    // Opens the window as the program does; an error of the first set is returned, not thrown.
    std::optional<RuntimeError> open()
    {
        std::optional<RuntimeError> failure;
        try {
            window->Form_Load();
        } catch (const RuntimeError& error) {
            failure = error;
        }
        window->show();
        return failure;
    }

    void changeSet() { QTest::mouseClick(window->cmdCambia, Qt::LeftButton); }
    void click(PictureBox* box) { QTest::mouseClick(box, Qt::LeftButton); }

    // The element of a row that carries the right-answer mark, or -1.
    static int rightElement(const std::array<PictureBox*, 2>& row)
    {
        return row[0]->Tag == QStringLiteral("OK") ? 0 : row[1]->Tag == QStringLiteral("OK") ? 1 : -1;
    }
    QString sound(const char* name) const { return folder.path() + QStringLiteral("/Sounds/") + QLatin1String(name); }

    MediaFolder folder;
    doubles::TestPlatform platform;
    Module1 module;
    PictureDecoder decoder{platform.pictures};
    doubles::FakeClock clock;
    doubles::FakeTimers timers{clock};
    std::unique_ptr<frmMain> window;
};

} // namespace tessarine::testing
