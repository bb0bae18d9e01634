// The editor's side of an edit, as a user meets it: a key typed into the text
// editor's Content of the busy reference movie, until the preview has painted
// the rebuilt movie (the editor's 1 ms pause before the build included); and
// the undo and redo of such a step, until the preview has painted again.

#ifdef GLIMMORA_HAS_WORKSPACE

#include "projects/BusyMovie.h"
#include "projects/LongMovies.h"

#include "objects/TGlobalVars.h"
#include "player/widget/TShockwaveFlash.h"
#include "widgets/MessageBoxes.h"
#include "workspace/TMainForm.h"
#include "workspace/TObjListForm.h"
#include "workspace/TTextForm.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>
#include <QTreeWidget>

#include <filesystem>
#include <iostream>
#include <memory>

namespace glimmora::bench {
namespace {

void EnsureApplication()
{
    if (QApplication::instance()) return;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("GLIMMORA_NO_AUDIO", "1");
    static int argc = 1;
    static char name[] = "glimmora-bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives until the process ends
}

// Counts the preview's paint events.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

// The editor on the busy reference movie in a fresh folder, with the text
// editor open on its first text and the focus in its Content; empty (and the
// benchmark skipped) when no text opens it.
struct BusyEditor {
    std::unique_ptr<TMainForm> window;
    QLineEdit* content = nullptr;
};

BusyEditor OpenBusyEditor(benchmark::State& state, const char* folderName)
{
    EnsureApplication();
    const auto folder = std::filesystem::temp_directory_path() / folderName;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "temp");
    qputenv("TEMP", QByteArray::fromStdString((folder / "temp").string()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString((folder / "settings").string()));
    MessageBoxes::SetSink([](QWidget*, const MessageBoxes::Request& request) {
        std::cerr << "bench: " << request.text.toStdString() << '\n';
        return QMessageBox::Ok;
    });
    // 0: the busy reference movie; else a text movie of that many texts.
    const int texts = int(state.range(0));
    const auto project = texts == 0 ? WriteBusyProject(folder)
                                    : WriteTextMovie(folder, "texts-" + std::to_string(texts),
                                                     TextMovieShape{.texts = texts, .effects = {}});

    BusyEditor editor;
    editor.window = std::make_unique<TMainForm>(QString::fromStdString(project.string()));
    TMainForm& window = *editor.window;
    window.show();
    QApplication::processEvents();
    QTreeWidget& tree = window.ObjListForm()->ObjTree();
    // The first text of the list opens the text editor.
    for (int row = 0; row < tree.topLevelItemCount() && !window.TextForm()->isVisible(); ++row) {
        tree.setCurrentItem(tree.topLevelItem(row));
        QApplication::processEvents();
    }
    editor.content = window.TextForm()->findChild<QLineEdit*>("Content");
    if (!editor.content || !window.TextForm()->isVisible()) {
        state.SkipWithError("no text object opened the text editor");
        editor.window.reset();
        return editor;
    }
    editor.content->setFocus();
    editor.content->end(false);
    return editor;
}

void WaitForPaintedLoad(TMainForm& window, const PaintCounter& counter, int loads, int paints)
{
    while (window.PreviewLoads() == loads || counter.paints == paints)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void BM_KeystrokeToPreviewFrame(benchmark::State& state)
{
    BusyEditor editor = OpenBusyEditor(state, "glimmora-bench-editor");
    if (!editor.window) return;
    TMainForm& window = *editor.window;
    QLineEdit* content = editor.content;

    PaintCounter counter;
    window.Flash().installEventFilter(&counter);
    int typed = 0;
    for (auto _ : state) {
        const int loads = window.PreviewLoads();
        const int paints = counter.paints;
        // Type a letter, or take one back, so that the text stays short.
        const bool erase = ++typed % 2 == 0;
        const int key = erase ? Qt::Key_Backspace : Qt::Key_A;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, erase ? QString() : QStringLiteral("a"));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, erase ? QString() : QStringLiteral("a"));
        QApplication::sendEvent(content, &press);
        QApplication::sendEvent(content, &release);
        WaitForPaintedLoad(window, counter, loads, paints);
    }
    window.Flash().removeEventFilter(&counter);
    state.counters["preview_loads"] = double(window.PreviewLoads());
    MessageBoxes::SetSink({});
}
// Real time: the editor waits for its timer and the paint between the key and the frame.
BENCHMARK(BM_KeystrokeToPreviewFrame)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Edit > Undo, then Redo, of one typed letter on the busy movie, until the
// preview has painted the result (one iteration: one undo or one redo).
void BM_UndoRedoToPreviewFrame(benchmark::State& state)
{
    BusyEditor editor = OpenBusyEditor(state, "glimmora-bench-undo");
    if (!editor.window) return;
    TMainForm& window = *editor.window;
    PaintCounter counter;
    window.Flash().installEventFilter(&counter);
    {
        const int loads = window.PreviewLoads();
        const int paints = counter.paints;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(editor.content, &press);
        WaitForPaintedLoad(window, counter, loads, paints);
    }
    int steps = 0;
    for (auto _ : state) {
        const int loads = window.PreviewLoads();
        const int paints = counter.paints;
        if (++steps % 2 == 1) window.EditUndo();
        else window.EditRedo();
        WaitForPaintedLoad(window, counter, loads, paints);
    }
    window.Flash().removeEventFilter(&counter);
    MessageBoxes::SetSink({});
}
BENCHMARK(BM_UndoRedoToPreviewFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace glimmora::bench

#endif  // GLIMMORA_HAS_WORKSPACE
