#pragma once
// The timeline's rows of a project: one per object name in the order given
// (the object list's), with its frames and its effect's run.

#include "document/XmlBinding.h"
#include "widgets/TimelineView.h"

#include <string>
#include <vector>

namespace glimmora {

// Names not found in `movie` are left out. Reads every object once.
std::vector<TimelineRow> TimelineRowsOf(const IXMLMovie& movie, const std::vector<std::string>& order);

// Writes frames dragged on the timeline into `obj` as the editors would:
// a text's ExSpeed follows its length (its editor keeps EndTime = StartTime
// + ExSpeed).
void WriteObjectFrames(const IXMLObj& obj, int start, int end);

}  // namespace glimmora
