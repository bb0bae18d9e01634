#include "swf/writer/ControlTags.h"

#include "swf/writer/RecordWriter.h"
#include "swf/writer/TagHeader.h"

namespace glimmora::swf {

size_t WriteMovieHeader(BitWriter& out, const MovieHeader& header)
{
    out.UI8('F');
    out.UI8('W');
    out.UI8('S');
    out.UI8(header.version);
    const size_t lengthAt = out.Size();
    out.UI32(0);
    WriteRect(out, header.frameSize);
    out.UI16(header.frameRate);
    out.UI16(header.frameCount);
    return lengthAt;
}

void WriteFileAttributes(BitWriter& out, uint32_t flags)
{
    WriteTagHeader(out, TagCode::FileAttributes, 4);
    out.UI32(flags);
}

void WriteSetBackgroundColor(BitWriter& out, const Rgba& color)
{
    WriteTagHeader(out, TagCode::SetBackgroundColor, 3);
    WriteRgb(out, color);
}

void WriteShowFrame(BitWriter& out) { WriteEmptyTag(out, TagCode::ShowFrame); }

void WriteEnd(BitWriter& out) { WriteEmptyTag(out, TagCode::End); }

}  // namespace glimmora::swf
