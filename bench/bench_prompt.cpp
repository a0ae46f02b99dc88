// The prompt on a timer, from its due time to the frame around the right picture painted, over
// many prompted sets, while the next set's photos are being decoded on the worker threads. The
// exercise runs on its real clock and timers; the time is taken from outside: the set is shown
// when the answer log hears of it, the prompt is due the delay after that, and it is painted when
// its frame gets its paint event.
// Run by hand: bench_prompt [--sets N] [--photo-side N]; --smoke runs it briefly on tiny inputs.

#include "BenchSupport.h"

#include "core/Module1.h"
#include "exercise/PictureDecoder.h"
#include "exercise/frmMain.h"
#include "platform/doubles/TestDoubles.h"
#include "widgets/PromptMarks.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

using namespace tessarine;

namespace {

// Notes when the prompt's frame is first painted.
class PaintWatch final : public QObject {
public:
    explicit PaintWatch(const QElapsedTimer& clock)
        : m_clock(clock)
    {
    }
    std::optional<double> paintedMs;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !paintedMs)
            paintedMs = bench::msSince(m_clock);
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& m_clock;
};

// Notes when each set is shown, as the learner's records hear of it.
class TimingLog final : public AnswerLog {
public:
    explicit TimingLog(const QElapsedTimer& clock)
        : m_clock(clock)
    {
    }
    double shownMs = 0;

    void sessionStarted(const Session&) override {}
    void setShown(const Set&) override { shownMs = bench::msSince(m_clock); }
    void rowVisible(Row) override {}
    void clicked(Row, int, const QString&, bool, bool) override {}
    void setEnded(SetEnd) override {}
    void sessionEnded() override {}

private:
    const QElapsedTimer& m_clock;
};

} // namespace

int main(int argc, char** argv)
{
    if (bench::writeMediaIfAsked(argc, argv))
        return 0;
    QApplication app(argc, argv);
    const bool smoke = bench::hasFlag(argc, argv, "--smoke");
    const int sets = bench::intOption(argc, argv, "--sets", smoke ? 3 : 200);
    // Photos large enough that the next set is still being decoded when the prompt comes due.
    const int side = bench::intOption(argc, argv, "--photo-side", smoke ? 400 : 8000);
    const int names = smoke ? 20 : 1000;

    QTemporaryDir folder;
    bench::writeMediaFoldersApart(folder.path(), names, QSize(side, side * 3 / 4));

    doubles::TestPlatform platform(folder.path());
    Module1 module(platform.messageBox, platform.random);
    module.ShowSymbolsDistractor = module.ShowAttributesDistractor = true;
    module.SameCategoryAttributes = module.UseSequence = true;
    PictureDecoder decoder(platform.pictures);
    QElapsedTimer clock;
    clock.start();
    TimingLog log(clock);
    ExerciseAids aids;
    aids.log = &log;
    aids.teaching.promptDelayMs = TeachingSettings::PromptDelayMinMs;
    frmMain window(module, platform.platform(), decoder, aids);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.Form_Load();
    window.show();

    PaintWatch watch(clock);
    window.Prompt->installEventFilter(&watch);

    std::vector<double> latencyMs;
    int decoding = 0; // prompts painted while the next set was still being decoded
    int missed = 0;
    for (int set = 0; set < sets; ++set) {
        watch.paintedMs.reset();
        window.cmdCambia->click();
        const double dueMs = log.shownMs + aids.teaching.promptDelayMs;
        while (!watch.paintedMs && bench::msSince(clock) < dueMs + 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        if (!watch.paintedMs) {
            ++missed;
            continue;
        }
        decoding += window.nextSetReady() ? 0 : 1;
        latencyMs.push_back(*watch.paintedMs - dueMs);
    }

    const auto latency = bench::summarise(latencyMs);
    std::printf("prompt due to painted:  median %6.1f ms   p95 %6.1f ms   over %zu prompted sets "
                "(targets median at most 30 ms, p95 at most 60 ms)\n",
                latency.median, latency.p95, latencyMs.size());
    std::printf("painted while the next set was being decoded: %d of %zu; prompts never painted: %d; photos %dx%d\n", decoding,
                latencyMs.size(), missed, side, side * 3 / 4);
    std::printf("reports shown: %lld\n", static_cast<long long>(platform.messageBox.shown.size()));
    return platform.messageBox.shown.isEmpty() && missed == 0 ? 0 : 1;
}
