#include "export/AvMovieWriter.h"

#include "export/AvEncoding.h"
#include "export/ExportError.h"
#include "player/ProgramModule.h"

namespace glimmora::exporting {
namespace {

OpenAvEncodingFunction* OpenFunction(const std::filesystem::path& target)
{
    try {
        return reinterpret_cast<OpenAvEncodingFunction*>(player::ModuleEntry(player::kFfmpegModuleFile, kAvModuleEntry));
    } catch (const player::ModuleError& error) {
        throw ExportError("Cannot write \"" + target.string() + "\": the video encoders are missing: " + error.what());
    }
}

}  // namespace

AvMovieWriter::AvMovieWriter(ExportFormat format, const StagedFile& file, const ExportPlan& plan,
                             int quality, int loopCount, bool withSound)
{
    const AvEncodingRequest request{format, file.Target(), file.Path(), plan, quality, loopCount, withSound};
    encoding_.reset(OpenFunction(file.Target())(request));
}

AvMovieWriter::~AvMovieWriter() = default;

void AvMovieWriter::AddFrame(const QImage& image) { encoding_->AddFrame(image); }

void AvMovieWriter::AddIndexedFrame(const uint8_t* indices, const std::array<uint32_t, 256>& palette)
{
    encoding_->AddIndexedFrame(indices, palette);
}

void AvMovieWriter::AddSound(const std::vector<int16_t>& samples) { encoding_->AddSound(samples); }

void AvMovieWriter::Finish() { encoding_->Finish(); }

}  // namespace glimmora::exporting
