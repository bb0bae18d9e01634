#pragma once
// The set of files that make up a project, and the working copy through
// which every project is edited.

#include "document/XmlDocument.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace glimmora {

// `TEMP` when it is set and not empty, else the system's temporary folder.
std::filesystem::path TempFolder();

// TempFolder() / "Untitled": base path of a project that was never saved.
std::filesystem::path DefaultUntitledBase();

// The folder a base path lives in (where its pictures and sounds are).
std::filesystem::path FolderOfBase(const std::filesystem::path& basePath);

// base + ".gmr", base + ".swf", folder + name + ".jpg" / ".png" / ".wav". An
// object name that would lead out of the folder ("..", "a/b") throws
// DocumentError. A picture is stored as a JPEG, or as a PNG when it has
// transparency.
std::filesystem::path ProjectFileOf(const std::filesystem::path& basePath);
std::filesystem::path MovieFileOf(const std::filesystem::path& basePath);
std::filesystem::path PictureFileOf(const std::filesystem::path& basePath, const std::string& objName);
std::filesystem::path TransparentPictureFileOf(const std::filesystem::path& basePath, const std::string& objName);
std::filesystem::path SoundFileOf(const std::filesystem::path& basePath, const std::string& objName);

// Why an object's name cannot name a media file beside the project ("a/b",
// "..": it would lead out of the folder); nothing when it can. The media
// file lookups above throw DocumentError with this text.
std::optional<std::string> MediaNameProblem(const std::string& objName);

// The file that holds the object's picture: its JPEG, unless only its PNG
// exists. (A project's pictures were always JPEGs: one that has both keeps
// showing its JPEG.)
std::filesystem::path StoredPictureOf(const std::filesystem::path& basePath, const std::string& objName);

// Every file beside the project that may hold the media of an object of kind
// `kind` ("Pic": its JPEG and its PNG, "Sound": its WAV; others: none),
// whether it exists or not.
std::vector<std::filesystem::path> MediaFilesOf(const std::filesystem::path& basePath, const std::string& objName,
                                                const std::string& kind);

// Copies `source` over the working project, points the document at it and
// binds it. Throws DocumentError "Cannot open <source>" when the source cannot
// be read (an older working project is never loaded in its place), and the
// parse error, naming `source`, when the copy cannot be parsed.
IXMLMovie LoadProject(TXMLDocument& document, const std::filesystem::path& source,
                      const std::filesystem::path& workingProject);

// Writes the tree to the working project and copies it to base + ".gmr"
// (replacing the target in one step).
void SaveProject(TXMLDocument& document, const std::filesystem::path& workingProject,
                 const std::filesystem::path& basePath);

// Copies `from` to `to`, writing beside the target and renaming over it.
void ReplaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace glimmora
