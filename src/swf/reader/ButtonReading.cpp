#include "swf/reader/ButtonReading.h"

#include "swf/reader/FilterReading.h"
#include "swf/reader/RecordReading.h"

namespace glimmora::swf {

Button ReadDefineButton(BitReader& in, int version, DecodeContext& ctx) {
    Button button;
    button.version = version;
    if (version == 2) {
        in.U8();   // track as menu
        in.U16();  // offset of the actions
    }
    while (true) {
        const uint8_t flags = in.U8();
        if (flags == 0) break;
        ButtonRecord record;
        record.states = flags & 0x0F;
        record.characterId = in.U16();
        record.depth = in.U16();
        record.matrix = ReadMatrix(in);
        if (version == 2) record.colorTransform = ReadColorTransform(in, true);
        ctx.CountRecords();
        bool complete = true;
        if (version == 2 && (flags & 0x10)) record.filters = ReadFilterList(in, complete);
        if (complete && version == 2 && (flags & 0x20)) {
            const uint8_t mode = in.U8();
            record.blendMode = mode >= 1 && mode <= 14 ? BlendMode(mode) : BlendMode::Normal;
        }
        button.records.push_back(std::move(record));
        // After an unknown filter, whose length is unknown, nothing more can be read.
        if (!complete) break;
    }
    return button;
}

}  // namespace glimmora::swf
