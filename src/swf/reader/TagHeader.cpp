#include "swf/reader/TagHeader.h"

namespace glimmora::swf {

void ThrowBadTagHeader(const BitReader& in, const TagHeader& h, TagHeaderFault fault) {
    if (fault == TagHeaderFault::CutHeader)
        throw DecodeError("the data ends inside a tag header at offset " + std::to_string(h.offset));
    if (fault == TagHeaderFault::CutLength)
        throw DecodeError("the data ends inside the long header of " + TagName(h.code) + " at offset " +
                          std::to_string(h.offset));
    throw DecodeError(TagName(h.code) + " at offset " + std::to_string(h.offset) + " declares " +
                      std::to_string(h.length) + " bytes but only " + std::to_string(in.Remaining()) + " remain");
}

std::string TagName(uint16_t code) {
    const char* name = nullptr;
    switch (TagCode(code)) {
    case TagCode::End: name = "End"; break;
    case TagCode::ShowFrame: name = "ShowFrame"; break;
    case TagCode::DefineShape: name = "DefineShape"; break;
    case TagCode::PlaceObject: name = "PlaceObject"; break;
    case TagCode::RemoveObject: name = "RemoveObject"; break;
    case TagCode::DefineBits: name = "DefineBits"; break;
    case TagCode::JPEGTables: name = "JPEGTables"; break;
    case TagCode::SetBackgroundColor: name = "SetBackgroundColor"; break;
    case TagCode::DefineFont: name = "DefineFont"; break;
    case TagCode::DefineText: name = "DefineText"; break;
    case TagCode::DoAction: name = "DoAction"; break;
    case TagCode::DefineFontInfo: name = "DefineFontInfo"; break;
    case TagCode::DefineSound: name = "DefineSound"; break;
    case TagCode::StartSound: name = "StartSound"; break;
    case TagCode::SoundStreamHead: name = "SoundStreamHead"; break;
    case TagCode::SoundStreamBlock: name = "SoundStreamBlock"; break;
    case TagCode::DefineBitsLossless: name = "DefineBitsLossless"; break;
    case TagCode::DefineBitsJPEG2: name = "DefineBitsJPEG2"; break;
    case TagCode::DefineShape2: name = "DefineShape2"; break;
    case TagCode::PlaceObject2: name = "PlaceObject2"; break;
    case TagCode::RemoveObject2: name = "RemoveObject2"; break;
    case TagCode::DefineShape3: name = "DefineShape3"; break;
    case TagCode::DefineText2: name = "DefineText2"; break;
    case TagCode::DefineBitsJPEG3: name = "DefineBitsJPEG3"; break;
    case TagCode::DefineBitsLossless2: name = "DefineBitsLossless2"; break;
    case TagCode::DefineEditText: name = "DefineEditText"; break;
    case TagCode::DefineButton: name = "DefineButton"; break;
    case TagCode::DefineButton2: name = "DefineButton2"; break;
    case TagCode::DefineSprite: name = "DefineSprite"; break;
    case TagCode::FrameLabel: name = "FrameLabel"; break;
    case TagCode::SoundStreamHead2: name = "SoundStreamHead2"; break;
    case TagCode::DefineFont2: name = "DefineFont2"; break;
    case TagCode::DefineFontInfo2: name = "DefineFontInfo2"; break;
    case TagCode::DefineMorphShape: name = "DefineMorphShape"; break;
    case TagCode::DefineVideoStream: name = "DefineVideoStream"; break;
    case TagCode::VideoFrame: name = "VideoFrame"; break;
    case TagCode::DefineMorphShape2: name = "DefineMorphShape2"; break;
    case TagCode::FileAttributes: name = "FileAttributes"; break;
    case TagCode::PlaceObject3: name = "PlaceObject3"; break;
    case TagCode::DefineFont3: name = "DefineFont3"; break;
    case TagCode::DefineShape4: name = "DefineShape4"; break;
    }
    if (!name) return "tag " + std::to_string(code);
    return std::string(name) + " (" + std::to_string(code) + ")";
}

}  // namespace glimmora::swf
