#pragma once
// The pictures and sounds of the open project while it is edited. An object's
// media file is named after it in the project folder ("Pic_1" -> "Pic_1.jpg",
// or "Pic_1.png" for a picture with transparency, "Sound_1" -> "Sound_1.wav").
// Editing never touches that folder: a picture imported or a sound converted
// waits in this session's staging folder, a rename or a delete is recorded
// here, and Save carries it all out. A session closed without saving leaves
// the project folder as it was and its staged files go.

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace glimmora {

enum class MediaKind { Picture, Sound };

// The media of an object of this ObjTypeName: "Pic" a picture, "Sound" a
// sound, any other none.
std::optional<MediaKind> MediaKindOf(const std::string& objTypeName);

// Where an object's media is during the session: a file of the staging
// folder, or the media file of `savedName` in the project folder.
struct MediaSource {
    std::filesystem::path staged;
    std::string savedName;

    bool operator==(const MediaSource&) const = default;
};
// Nothing: the object has no media (it went with a rename or a delete).
using MediaEntry = std::optional<MediaSource>;

// The file an object's media is read from, or why there is none.
struct MediaFile {
    std::filesystem::path file;  // empty when there is none
    std::string problem;         // why there is none

    explicit operator bool() const { return !file.empty(); }
};

// The media file of `name` in the project folder of `basePath`, or why the
// name cannot have one; for a builder without a session.
MediaFile SavedMediaFile(const std::filesystem::path& basePath, MediaKind kind, const std::string& name);

class ProjectMedia {
public:
    // `stagingFolder` belongs to this running program alone; it is made at the
    // first staged file.
    explicit ProjectMedia(std::filesystem::path stagingFolder);
    ~ProjectMedia();  // removes the staged files
    ProjectMedia(const ProjectMedia&) = delete;
    ProjectMedia& operator=(const ProjectMedia&) = delete;

    // Where the media of object `name` is now: recorded, or by default its
    // file in the project folder.
    MediaEntry Of(MediaKind kind, const std::string& name) const;
    void Set(MediaKind kind, const std::string& name, MediaEntry entry);

    // The file the media of `name` is read from now, the project folder being
    // that of `basePath`.
    MediaFile Find(const std::filesystem::path& basePath, MediaKind kind, const std::string& name) const;

    // A new name in the staging folder (the folder is made), without its
    // extension, for an import or conversion to write to under ".jpg", ".png"
    // or ".wav"; once written, Set the file as an object's media. Those files
    // go with the session.
    std::filesystem::path NewStagedName();

    // The record as it stands, and put back as it stood (undo and redo):
    // staged files stay for the session, so an earlier record finds them.
    using Record = std::map<std::pair<MediaKind, std::string>, MediaEntry>;
    const Record& Entries() const { return entries_; }
    void RestoreEntries(Record entries) { entries_ = std::move(entries); }

    // Whether Save would write any media file.
    bool Pending() const;

    // Saves the project from `fromBase` to `toBase`: the media file of every
    // object in `objects` is written into the folder of `toBase` under its
    // name (a picture from a PNG as a PNG, else as a JPEG), each beside its
    // target first; then `writeProject` runs, and only then are the media
    // files renamed over their targets. Nothing is replaced when writing one of
    // them or the project fails. Objects without media, or whose media is
    // already their file there, are passed over. A picture written in one form
    // takes the place of the other form of its name, which is removed.
    // Nothing else is removed from the folder. Afterwards the project folder
    // holds everything and the record starts afresh.
    //
    // `earlier` are records of earlier states (the undo history's): each is
    // rewritten to name after the save the media it named before it. A file
    // the save replaces or removes, or leaves behind in another folder, is
    // first kept in the staging folder for them; staged files they name stay.
    void Save(const std::filesystem::path& fromBase, const std::filesystem::path& toBase,
              const std::vector<std::pair<MediaKind, std::string>>& objects,
              const std::function<void()>& writeProject, const std::vector<Record*>& earlier = {});

    // The record as text, one line per entry, so that unsaved work can be
    // kept outside the editor; staged files are named within the staging
    // folder.
    std::string RecordText() const;
    // Takes over the record of a session that ended without closing, whose
    // staging folder was `from`: its staged files are moved into this
    // session's staging folder (or adopted where it is the same folder).
    // Lines that cannot be read, and staged files that are gone, are passed
    // over: the object's media then is its file in the project folder.
    void TakeOver(const std::string& recordText, const std::filesystem::path& from);

private:
    void RemoveStagedFiles();
    // Removes the staged files no record of `kept` names.
    void RemoveStagedFilesBut(const std::vector<Record*>& kept);

    std::filesystem::path stagingFolder_;
    Record entries_;
    std::set<std::filesystem::path> staged_;  // every name this session gave out
    unsigned nextStaged_ = 1;
};

// The file of `name`'s media through `session`, or in the project folder
// when there is no session.
MediaFile FindMediaFile(const ProjectMedia* session, const std::filesystem::path& basePath, MediaKind kind,
                        const std::string& name);

// The staging folder of the session whose untitled base is `untitledBase`.
std::filesystem::path StagingFolderOf(const std::filesystem::path& untitledBase);

}  // namespace glimmora
