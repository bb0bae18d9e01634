#pragma once
// A project file opened by a command that changes it: the document bound,
// its objects found by name, and the whole file written back in one step
// (beside it first, then renamed over it) only when the command has done
// all its work.

#include "document/XmlDocument.h"

#include <filesystem>
#include <optional>
#include <string>

namespace glimmora::cli {

class OpenProject {
public:
    // Throws DocumentError when the file is missing or is no movie document.
    explicit OpenProject(const std::filesystem::path& file);
    OpenProject(const OpenProject&) = delete;
    OpenProject& operator=(const OpenProject&) = delete;

    const std::filesystem::path& File() const { return file_; }
    // The file without its extension: media files lie beside it.
    std::filesystem::path BasePath() const;
    IXMLMovie& Movie() { return movie_; }

    // The first object of that name.
    std::optional<IXMLObj> Find(const std::string& name) const;
    // The first object of that name, which must be of `kind` ("Text", "Pic",
    // "Sound"); throws DocumentError naming the object and the file.
    IXMLObj Require(const std::string& name, const std::string& kind) const;

    void Save();

private:
    std::filesystem::path file_;
    TXMLDocument document_;
    IXMLMovie movie_;
};

// "text", "picture", "sound" for the kind names "Text", "Pic", "Sound".
std::string KindWord(const std::string& kind);

// A name for a new or renamed object: not empty, usable as a file name
// beside the project (no "/", "\", control characters, "." or ".."), and
// borne by no other object. Throws UsageError for a name that cannot be one
// and DocumentError for a name that is taken.
void CheckNewObjectName(const OpenProject& project, const std::string& name);

}  // namespace glimmora::cli
