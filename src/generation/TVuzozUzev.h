#pragma once
// The movie builder: turns the open movie document into an SWF file through
// the service and shows it in the preview. One exists while a project is loaded.

#include "generation/BuilderHooks.h"
#include "generation/TFlashPicF.h"
#include "generation/TFlashSoundF.h"
#include "generation/TFlashTextF.h"
#include "objects/ErrorReporter.h"
#include "objects/RandomSource.h"
#include "objects/SwfHolders.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace glimmora {

class TVuzozUzev {
public:
    // Creates the three editor adapters, the movie object and the five
    // holders (media, spare, font, text, overlay) and sets the paths from
    // the untitled base.
    TVuzozUzev(swfService& service, IErrorReporter& errors, IRandomSource& random, BuilderHooks hooks = {});
    TVuzozUzev(const TVuzozUzev&) = delete;
    TVuzozUzev& operator=(const TVuzozUzev&) = delete;

    // Points the builder and its three adapters at the object list's
    // reference to the bound document.
    void SetDocument(IXMLMovie* document);

    // Document to background editor, Loop command and preview.
    void LoadMovieProperties();
    // Background editor and preview to document.
    void StoreMovieProperties();
    // Size, rate, frame 0 and background, every object, then WriteMovie to
    // `target` (the working movie when empty) and the preview reload. Any
    // error before WriteMovie ends the build and nothing is written.
    void BuildMovie(const std::filesystem::path& target = {});
    // After a change made in an editor to the object `edited` holds: builds
    // the working movie as BuildMovie does, and when the frame the preview
    // returns to does not show the object (its frames run from StartTime up
    // to EndTime), the preview goes to the object's start frame instead, so
    // that the user sees what was changed.
    void BuildMovieShowing(const TFlashObj& edited);
    // Generates every document object in document order.
    void ProcessSwf();

    IXMLMovie* Document = nullptr;
    std::unique_ptr<TFlashTextF> TextAdapter;
    std::unique_ptr<TFlashPicF> PicAdapter;
    std::unique_ptr<TFlashSoundF> SoundAdapter;
    int CurrentIndex = 0;
    std::string CurrentKind;
    std::filesystem::path SourceFile;
    std::filesystem::path BasePath;
    std::filesystem::path WorkingProject;
    std::filesystem::path WorkingMovie;
    // Pictures and sounds imported, renamed and deleted since the last save.
    ProjectMedia Media;

    SwfHolders& Holders() { return holders_; }

private:
    struct Frames {
        int first;
        int end;  // one past the last
    };
    void Build(const std::filesystem::path& target, std::optional<Frames> shown);

    IErrorReporter& errors_;
    IRandomSource& random_;
    BuilderHooks hooks_;
    SwfHolders holders_;
};

}  // namespace glimmora
