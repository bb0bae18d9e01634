#pragma once
// The editor's unsaved work, kept in its working folder (outside the project)
// while the document differs from the file it was saved to, so that the next
// start can bring it back after the editor was killed or crashed. A normal
// close or a save forgets it. Three files: "Unsaved.gmr", the document as it
// stood, "Unsaved.txt", the project file it belongs to (empty for a project
// never saved), and "Unsaved.media", the record of the pictures and sounds
// imported, renamed and deleted since the last save (their new files wait in
// the working folder's staging folder).

#include <QDateTime>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace glimmora {

class UnsavedWork {
public:
    struct Found {
        std::filesystem::path folder;   // the working folder it was kept in
        std::string document;           // the project's bytes
        std::filesystem::path project;  // its project file; empty when never saved
        std::string media;              // the media record (ProjectMedia::RecordText)
        QDateTime kept;                 // when it was written
    };

    explicit UnsavedWork(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // Keeps the document of `project`, which `writeDocument` writes to the
    // file it is given (as a save would), with its media record; throws what
    // the writing throws.
    void Keep(const std::filesystem::path& project, const std::string& media,
              const std::function<void(const std::filesystem::path&)>& writeDocument);
    // Removes what was kept; errors are ignored.
    void Forget();
    bool Kept() const { return kept_; }

    // What an editor that never closed left in `folder`.
    static std::optional<Found> Read(const std::filesystem::path& folder);
    static void Forget(const std::filesystem::path& folder);

    // The work left by editors that ended without closing: in `ownFolder`
    // (this editor's, taken over from a dead one) and in the other working
    // folders in `tempDir` whose editor no longer runs. Newest first.
    static std::vector<Found> Abandoned(const std::filesystem::path& tempDir, const std::filesystem::path& ownFolder);

private:
    std::filesystem::path folder_;
    bool kept_ = false;
};

}  // namespace glimmora
