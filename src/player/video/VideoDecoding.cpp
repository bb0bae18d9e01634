#include "player/video/VideoDecoding.h"

#include "player/ProgramModule.h"

namespace glimmora::player {

std::unique_ptr<VideoDecoding> OpenVideoDecoding(int codec, int width, int height, int deblocking)
{
    // Opened once: a missing module is not looked for again on every frame.
    static OpenVideoDecodingFunction* const open = []() -> OpenVideoDecodingFunction* {
        try {
            return reinterpret_cast<OpenVideoDecodingFunction*>(ModuleEntry(kFfmpegModuleFile, kVideoModuleEntry));
        } catch (const ModuleError&) {
            return nullptr;
        }
    }();
    return std::unique_ptr<VideoDecoding>(open ? open(codec, width, height, deblocking) : nullptr);
}

}  // namespace glimmora::player
