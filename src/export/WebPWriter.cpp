#include "export/WebPWriter.h"

#include "export/ExportError.h"

#include <webp/encode.h>
#include <webp/mux.h>

#include <cstdio>
#include <string>

namespace glimmora::exporting {

struct WebPWriter::State {
    std::filesystem::path file;  // the target, for messages
    std::filesystem::path path;  // where the data goes until committed
    ExportPlan plan;
    WebPAnimEncoder* encoder = nullptr;
    WebPConfig config;
    int frames = 0;
    ~State()
    {
        if (encoder) WebPAnimEncoderDelete(encoder);
    }
    [[noreturn]] void Fail(const std::string& what) const
    {
        const char* detail = encoder ? WebPAnimEncoderGetError(encoder) : nullptr;
        throw ExportError("Cannot write \"" + file.string() + "\": " + what +
                          (detail && *detail ? std::string(" (") + detail + ")" : std::string()));
    }
    // Milliseconds from the start to output frame `index`.
    int Timestamp(int index) const { return int(int64_t(index) * 1000 * 256 / plan.frameRate); }
};

WebPWriter::WebPWriter(const StagedFile& file, const ExportPlan& plan, int quality, int loopCount)
    : state_(std::make_unique<State>())
{
    State& s = *state_;
    s.file = file.Target();
    s.path = file.Path();
    s.plan = plan;
    WebPAnimEncoderOptions options;
    if (!WebPAnimEncoderOptionsInit(&options)) s.Fail("libwebp is not the version this program was built with");
    options.anim_params.loop_count = loopCount;
    options.anim_params.bgcolor = 0xffffffff;
    options.allow_mixed = quality < 100;
    s.encoder = WebPAnimEncoderNew(plan.size.width(), plan.size.height(), &options);
    if (!s.encoder) s.Fail("out of memory");
    if (!WebPConfigInit(&s.config)) s.Fail("libwebp is not the version this program was built with");
    s.config.lossless = quality >= 100;
    s.config.quality = float(quality);
    s.config.method = quality >= 90 ? 5 : 4;
    s.config.thread_level = 1;
}

WebPWriter::~WebPWriter() = default;

void WebPWriter::AddFrame(const QImage& image)
{
    State& s = *state_;
    WebPPicture picture;
    if (!WebPPictureInit(&picture)) s.Fail("libwebp is not the version this program was built with");
    picture.use_argb = 1;
    picture.width = image.width();
    picture.height = image.height();
    if (!WebPPictureImportBGRA(&picture, image.constBits(), int(image.bytesPerLine()))) {
        WebPPictureFree(&picture);
        s.Fail("out of memory");
    }
    const int added = WebPAnimEncoderAdd(s.encoder, &picture, s.Timestamp(s.frames), &s.config);
    WebPPictureFree(&picture);
    if (!added) s.Fail("the frame could not be encoded");
    ++s.frames;
}

void WebPWriter::Finish()
{
    State& s = *state_;
    if (!WebPAnimEncoderAdd(s.encoder, nullptr, s.Timestamp(s.frames), nullptr)) s.Fail("the end could not be encoded");
    WebPData data;
    WebPDataInit(&data);
    if (!WebPAnimEncoderAssemble(s.encoder, &data)) s.Fail("the animation could not be assembled");
    std::FILE* out = std::fopen(s.path.c_str(), "wb");
    const bool written = out && std::fwrite(data.bytes, 1, data.size, out) == data.size;
    const bool closed = out && std::fclose(out) == 0;
    WebPDataClear(&data);
    if (!written || !closed) throw ExportError("Cannot write \"" + s.file.string() + "\": the disk refused the data");
}

}  // namespace glimmora::exporting
