// The timeline panel's repaint with 200 objects over 2,000 frames, as the
// user scrolls and zooms: one whole viewport drawn into an image.

#ifdef GLIMMORA_HAS_WORKSPACE

#include "widgets/TimelineView.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

namespace glimmora::bench {
namespace {

void EnsureTimelineApplication()
{
    if (QApplication::instance()) return;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "glimmora-bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives until the process ends
}

std::vector<TimelineRow> ManyRows(int count, int frames)
{
    std::vector<TimelineRow> rows;
    for (int i = 0; i < count; ++i) {
        TimelineRow row;
        row.name = QString("Text_%1").arg(i + 1);
        row.kind = i % 3 == 0 ? "Pic" : "Text";
        row.start = (i * 10) % frames;
        row.end = std::min(frames - 1, row.start + 40 + i % 25);
        row.run = std::make_pair(row.start, row.start + 24 + (i % 7) * 6);
        row.runStays = i % 2 == 0;
        rows.push_back(row);
    }
    return rows;
}

// state.range(0): pixels per frame, in hundredths.
void BM_TimelineRepaint200x2000(benchmark::State& state)
{
    EnsureTimelineApplication();
    TimelineView view;
    view.resize(900, 320);
    view.SetFrameCount(2000);
    view.SetRows(ManyRows(200, 2000));
    view.SetFrameWidth(state.range(0) / 100.0);
    view.show();
    QImage image(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    QScrollBar& across = *view.horizontalScrollBar();
    QScrollBar& down = *view.verticalScrollBar();
    int step = 0;
    for (auto _ : state) {
        // Scroll a little every frame, as a drag of the scroll bars does.
        across.setValue((step * 37) % (across.maximum() + 1));
        down.setValue((step * 11) % (down.maximum() + 1));
        view.SetPlayFrame(step % 2000);
        ++step;
        QPainter painter(&image);
        view.PaintTo(painter, image.rect());
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["rows"] = 200;
    state.counters["frames"] = 2000;
}
BENCHMARK(BM_TimelineRepaint200x2000)->Arg(35)->Arg(400)->Arg(4000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glimmora::bench

#endif
