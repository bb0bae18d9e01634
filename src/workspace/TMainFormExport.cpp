// The main window's export of the movie shown to a video, an animated image,
// a PNG sequence or a web page: the dialog, then the export on a worker
// thread behind a progress window with Cancel.
#include "workspace/TMainForm.h"

#include "export/ExportError.h"
#include "export/MovieExporter.h"
#include "generation/TVuzozUzev.h"
#include "player/widget/TShockwaveFlash.h"
#include "tools/TExportMovieForm.h"
#include "tools/TExportProgressForm.h"
#include "widgets/MessageBoxes.h"
#include "widgets/WaitCursor.h"

#include <QAction>

#include <fstream>
#include <iterator>

namespace glimmora {
namespace {

// The movie file the preview shows, decoded, with its bytes for the web page.
exporting::ExportMovie LoadShownMovie(const std::filesystem::path& file, std::string name)
{
    exporting::ExportMovie movie;
    try {
        movie.movie = std::make_shared<const swf::DecodedMovie>(swf::DecodeMovieFile(file.string()));
    } catch (const std::exception& error) {
        throw exporting::ExportError("Cannot read the movie \"" + file.string() + "\": " + error.what());
    }
    std::ifstream in(file, std::ios::binary);
    movie.swf.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    movie.name = std::move(name);
    return movie;
}

}  // namespace

void TMainForm::FileExportMovie() {
    const std::filesystem::path shown = flash_->Movie().toStdString();
    if (shown.empty()) return;
    // Named after the project, or after the movie shown without one.
    const std::filesystem::path base =
        builder_ ? builder_->BasePath : std::filesystem::path(shown).replace_extension();
    exporting::ExportMovie movie;
    {
        WaitCursor busy;
        movie = LoadShownMovie(shown, base.filename().string());
    }
    TExportMovieForm form(this, *movie.movie, QString::fromStdString(base.string()),
                          [this](const QString& caption, const QString& filter, bool save) {
                              return ChooseFile(caption, filter, save);
                          });
    if (form.exec() != QDialog::Accepted) return;
    ExportMovieTo(form.Settings());
}

bool TMainForm::ExportMovieTo(const exporting::ExportSettings& settings) {
    const std::filesystem::path shown = flash_->Movie().toStdString();
    if (shown.empty()) return false;
    const std::filesystem::path base =
        builder_ ? builder_->BasePath : std::filesystem::path(shown).replace_extension();
    const exporting::ExportMovie movie = LoadShownMovie(shown, base.filename().string());
    const std::filesystem::path player = exporting::WebPlayerFolder(ProgramFolder());

    TExportProgressForm progress(this, QString::fromStdString(settings.target.string()));
    std::string error;
    const auto outcome = progress.Run(
        [&](exporting::ExportProgress& listener) { exporting::ExportMovieFile(movie, settings, &listener, player); },
        error);
    switch (outcome) {
    case TExportProgressForm::Outcome::Written:
        MessageBoxes::Information(
            this, QString("The movie has been exported to %1.").arg(QString::fromStdString(settings.target.string())));
        return true;
    case TExportProgressForm::Outcome::Failed:
        MessageBoxes::Error(this, QString::fromStdString(error));
        return false;
    case TExportProgressForm::Outcome::Cancelled:
        return false;
    }
    return false;
}

}  // namespace glimmora
