#include "swf/reader/ButtonReading.h"

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
        button.records.push_back(record);
        // A filter list (SWF 8) is of no use here, and its length is only
        // known by reading it: the records after it are left out.
        if (version == 2 && (flags & 0x10)) break;
        if (version == 2 && (flags & 0x20)) in.U8();  // blend mode
    }
    return button;
}

}  // namespace glimmora::swf
