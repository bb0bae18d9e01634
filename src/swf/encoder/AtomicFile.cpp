#include "swf/encoder/AtomicFile.h"

#include "files/ReplacingFile.h"
#include "swf/SwfService.h"

#include <string_view>
#include <system_error>

namespace glimmora::swf {

void WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes)
{
    try {
        files::ReplaceFileContents(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    } catch (const std::system_error& error) {
        throw SwfError("Cannot write the movie \"" + path + "\": " + error.code().message());
    }
}

}  // namespace glimmora::swf
