#pragma once
// Cut, Copy, Paste and Duplicate of objects: an object taken out of the
// document with its picture or sound, and objects put into a document with
// theirs. The media go through the session's record, never straight into the
// project folder: a pasted picture waits in the staging folder until Save.

#include "document/ClippedObjects.h"
#include "document/ProjectMedia.h"
#include "document/XmlBinding.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace glimmora {

// `obj` with the bytes of its media as found through `media` (none when it
// has no readable file), the project folder being that of `basePath`.
ClippedObject ClipObject(const IXMLObj& obj, const ProjectMedia& media, const std::filesystem::path& basePath);

struct PastePlacement {
    // The first object starts at this frame, the others keep their distance
    // to it, each ending as long after its start as before; none: the times
    // stay.
    std::optional<int> startFrame;
    int offset = 0;  // pixels added to the positions of texts and pictures
};

// Appends `objects` to `movie`, each under a name no other object bears: its
// own when free, else the one Insert would give; their media are staged
// through `media`. Returns the names given, in order. Throws DocumentError
// naming the object when one cannot be pasted (a time or position that is no
// number, a media file that cannot be written); the document is then as it
// was.
std::vector<std::string> PasteObjects(const IXMLMovie& movie, ProjectMedia& media,
                                      const std::vector<ClippedObject>& objects, const PastePlacement& placement);

}  // namespace glimmora
