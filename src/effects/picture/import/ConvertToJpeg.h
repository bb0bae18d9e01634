#pragma once
// The picture import: a chosen BMP or JPEG file becomes the stored JPEG of a
// picture object (quality 75, at most 800 x 600 pixels).

#include "objects/ErrorReporter.h"

#include <string>

namespace glimmora {

// The largest picture the movie takes.
inline constexpr int kMaxStoredPictureWidth = 800;
inline constexpr int kMaxStoredPictureHeight = 600;

// Converts `source` (".bmp", ".jpg" or ".jpeg", any letter case) into a JPEG
// at `target` and gives its size in pixels; true when the target was written.
// False, with the message "The picture width>800 or height>600!" to
// `reporter`, for a larger picture; false without a message for other picture
// formats (".png", ".gif", ".ico", ".wmf", ...). The target is untouched
// unless the result is true.
// Throws PictureError, naming the file and the problem, for a file that cannot
// be read, is damaged or truncated, is not what its extension claims, or has
// an extension of no picture format; also when the target cannot be written.
bool ConvertToJpeg(const std::string& source, const std::string& target, int& width, int& height,
                   IErrorReporter& reporter);

}  // namespace glimmora
