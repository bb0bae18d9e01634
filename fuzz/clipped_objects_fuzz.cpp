// libFuzzer target: objects read from the clipboard, which any program may
// fill under our type. Any outcome but objects or a DocumentError is a
// finding, and so are objects that do not come back the same once packed
// again.

#include "document/ClippedObjects.h"
#include "document/ConversionError.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const auto objects =
            glimmora::UnpackClippedObjects(std::string_view(reinterpret_cast<const char*>(data), size));
        if (objects.empty()) std::abort();
        if (glimmora::UnpackClippedObjects(glimmora::PackClippedObjects(objects)) != objects) std::abort();
    } catch (const glimmora::DocumentError&) {
    }
    return 0;
}
