#pragma once
// The filter list of PlaceObject3.

#include "swf/format/Filters.h"
#include "swf/reader/BitReader.h"

#include <optional>

namespace glimmora::swf {

// One filter; nothing for a filter type unknown to the format, whose length
// (and so where the next field starts) is unknown.
std::optional<Filter> ReadFilter(BitReader& in);

// A count and that many filters. `complete` tells whether every filter was
// known; the list holds those before the first unknown one.
FilterList ReadFilterList(BitReader& in, bool& complete);

}  // namespace glimmora::swf
