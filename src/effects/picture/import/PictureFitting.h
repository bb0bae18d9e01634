#pragma once
// Scaling a picture down into a box, keeping its aspect ratio.

#include "effects/picture/import/ImportedPicture.h"

namespace glimmora {

struct PictureSize {
    int width = 0, height = 0;
    bool operator==(const PictureSize&) const = default;
};

// The largest size of the same aspect ratio that fits the box, at least one
// pixel a side; the picture's own size when it fits already.
PictureSize FittedSize(PictureSize picture, PictureSize box);

// The picture scaled smoothly (each pixel the average of those it covers) to
// FittedSize. Colours of partly transparent pixels are weighted by their
// alpha, so transparent pixels do not darken the edges.
ImportedPicture ScaledToFit(const ImportedPicture& picture, PictureSize box);

}  // namespace glimmora
