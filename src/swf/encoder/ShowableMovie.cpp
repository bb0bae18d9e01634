#include "swf/encoder/ShowableMovie.h"

#include "swf/SwfService.h"
#include "swf/reader/HeaderReading.h"

#include <string>

namespace glimmora::swf {

void RequireShowable(const std::vector<uint8_t>& movie, size_t records, const DecodeLimits& limits)
{
    try {
        Header header = ReadFileStart(movie.data(), movie.size());
        if (movie.size() - 8 > limits.maxInflatedBytes) {
            throw SwfError("The movie would be " + std::to_string(movie.size() >> 20) +
                           " MB, more than the player can show (" + std::to_string(limits.maxInflatedBytes >> 20) +
                           " MB); use fewer or smaller pictures and sounds");
        }
        BitReader rest(movie.data() + 8, movie.size() - 8, 8);
        ReadHeaderRest(rest, header, limits);
        if (records > limits.maxRecords) {
            throw SwfError("The movie would hold " + std::to_string(records) +
                           " records (letters, shapes and steps of the effects), more than the player can show (" +
                           std::to_string(limits.maxRecords) + "); use fewer or shorter objects");
        }
    } catch (const DecodeError& error) {
        throw SwfError(std::string("The movie could not be shown: ") + error.what());
    }
}

}  // namespace glimmora::swf
