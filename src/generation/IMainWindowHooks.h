#pragma once
// What the builder asks of the main window around a build.

#include <cstdint>
#include <string>
#include <vector>

namespace glimmora {

class IMainWindowHooks {
public:
    virtual ~IMainWindowHooks() = default;
    // Loads the file into the preview and sizes the window to the movie;
    // errors are the window's to ignore. `written` holds the file's bytes
    // when the builder has them at hand (the preview then need not read the
    // file back), else it is empty.
    virtual void LoadPreview(const std::string& file, std::vector<uint8_t> written) = 0;
    // Sets the preview's Loop to `loop`, plays, and sets WasPlaying.
    virtual void PlayPreview(bool loop) = 0;
    // Checks or unchecks the Loop command.
    virtual void SetLoopChecked(bool checked) = 0;
};

}  // namespace glimmora
