#pragma once
// The shared globals of the process: paths, the drag points over the preview,
// the loading flags that silence an editor while the program fills it, and
// the playback state kept across builds.

#include <string>

namespace glimmora {

struct TGlobalVars {
    std::string UntitledBase;  // TempDir + "Untitled": base path of an unsaved project
    std::string TempDir;       // the temporary folder, with its trailing separator
    std::string LastOpenDir;   // where the picture and sound choosers open
    std::string LastProjectDir;  // where the project and movie dialogs open; empty: LastOpenDir
    int TemplateIndex = 0;     // entry chosen in the new-movie guide
    int DragStartX = 0;
    int DragEndX = 0;
    int DragStartY = 0;
    int DragEndY = 0;
    bool LoadingMovieProperties = false;
    bool LoadingTextEditor = false;
    bool LoadingPicEditor = false;
    bool LoadingSoundEditor = false;
    bool LoopPlayback = false;  // loop setting applied when playback starts
    bool WasPlaying = false;    // whether the preview was playing before a build
    int FrameLimit = 0;         // nothing assigns it; read by the picture dispatch
};

// The one record of the process, zero at start.
TGlobalVars& GlobalVars();

// Puts every field back to its start value (for tests and a fresh start).
void ResetGlobalVars();

// Sets one of the loading flags for the lifetime of the guard and clears it
// again on the way out, also when filling the editor throws.
class LoadingFlagGuard {
public:
    explicit LoadingFlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~LoadingFlagGuard() { flag_ = false; }
    LoadingFlagGuard(const LoadingFlagGuard&) = delete;
    LoadingFlagGuard& operator=(const LoadingFlagGuard&) = delete;

private:
    bool& flag_;
};

}  // namespace glimmora
