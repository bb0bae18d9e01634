#pragma once
// The picture import: a chosen BMP, JPEG, PNG, GIF (its first frame) or WebP
// file becomes the stored picture of a picture object, at most 800 x 600
// pixels. An opaque picture is stored as a JPEG of quality 75; one with
// transparency as a PNG, which keeps its alpha channel for the movie.

#include "objects/ErrorReporter.h"

#include <filesystem>
#include <optional>
#include <string>

namespace glimmora {

// The largest picture the movie takes.
inline constexpr int kMaxStoredPictureWidth = 800;
inline constexpr int kMaxStoredPictureHeight = 600;

// The refusal of a larger picture.
inline constexpr const char* kPictureTooLarge = "The picture width>800 or height>600!";

// Where an object's picture is stored: its JPEG or its PNG.
struct StoredPictureFiles {
    std::filesystem::path jpeg;
    std::filesystem::path png;
};

struct StoredPicture {
    std::filesystem::path file;  // the one of the two written
    int width = 0;
    int height = 0;
    bool transparent = false;
};

// The question asked before a picture larger than 800 x 600 is scaled down.
std::string ScaleDownQuestion(int width, int height);

// Converts `source` (by its extension, in any letter case: ".bmp", ".jpg",
// ".jpeg", ".png", ".gif", ".webp") into one of `targets` and removes the
// other, unless that is the source itself, so that the picture is found in
// one form only.
// A picture larger than 800 x 600: `reporter` is asked ScaleDownQuestion; Yes
// scales it down to fit, keeping its aspect ratio; No gives nothing, with the
// message kPictureTooLarge. Other picture formats (".ico", ".wmf", ".tif",
// ...) give nothing without a message. The targets are untouched when nothing
// is given.
// Throws PictureError, naming the file and the problem, for a file that cannot
// be read, is damaged or truncated, is not what its extension claims, or has
// an extension of no picture format; also when a target cannot be written.
std::optional<StoredPicture> ImportPicture(const std::filesystem::path& source, const StoredPictureFiles& targets,
                                           IErrorReporter& reporter);

}  // namespace glimmora
