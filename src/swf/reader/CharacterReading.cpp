#include "swf/reader/CharacterReading.h"

#include "swf/reader/BitmapReading.h"
#include "swf/reader/ButtonReading.h"
#include "swf/reader/EditTextReading.h"
#include "swf/reader/FontReading.h"
#include "swf/reader/MorphShapeReading.h"
#include "swf/reader/RecordReading.h"
#include "swf/reader/ShapeReading.h"
#include "swf/reader/SoundReading.h"
#include "swf/reader/TextReading.h"
#include "swf/reader/TimelineReading.h"
#include "swf/reader/VideoReading.h"

namespace glimmora::swf {
namespace {

void Define(MutableDictionary& dictionary, uint16_t id, Character character) {
    if (dictionary.count(id)) return;  // players keep the first definition
    dictionary.emplace(id, std::make_shared<Character>(std::move(character)));
}

Sprite ReadDefineSprite(BitReader& in, MutableDictionary& dictionary, DecodeContext& ctx) {
    Sprite sprite;
    sprite.frameCount = in.U16();
    // Only control tags belong in a sprite; definitions (a nested sprite
    // among them) are skipped as players do, so sprites never nest. A video
    // frame inside one still belongs to its stream.
    sprite.frames = ReadTimeline(in, ctx, false, [&](const TagHeader& tag, BitReader& body) {
        if (tag.code == uint16_t(TagCode::VideoFrame)) AddVideoFrame(body, dictionary, ctx);
    });
    return sprite;
}

Font* FindFont(MutableDictionary& dictionary, uint16_t id) {
    auto found = dictionary.find(id);
    return found == dictionary.end() ? nullptr : std::get_if<Font>(found->second.get());
}

}  // namespace

void ReadDefinitionTag(const TagHeader& tag, BitReader& body, DecodedMovie& movie, MutableDictionary& dictionary,
                       DecodeContext& ctx) {
    switch (TagCode(tag.code)) {
    case TagCode::SetBackgroundColor:
        // The first colour holds; players ignore later ones.
        if (!movie.background) movie.background = ReadRgb(body);
        return;
    case TagCode::JPEGTables:
        if (ctx.jpegTables.empty()) {
            size_t n = body.Remaining();
            const uint8_t* p = body.Bytes(n);
            ctx.jpegTables.assign(p, p + n);
        }
        return;
    case TagCode::FileAttributes:
        return;
    case TagCode::VideoFrame:
        AddVideoFrame(body, dictionary, ctx);
        return;
    case TagCode::DefineFontInfo:
    case TagCode::DefineFontInfo2: {
        uint16_t id = body.U16();
        if (Font* font = FindFont(dictionary, id)) {
            ReadDefineFontInfo(body, tag.code == uint16_t(TagCode::DefineFontInfo2), *font, ctx);
        }
        return;
    }
    default:
        break;
    }

    uint16_t id = 0;
    auto define = [&](auto&& read) {
        id = body.U16();
        if (dictionary.count(id)) return;  // do not even decode a redefinition
        Define(dictionary, id, read());
    };
    switch (TagCode(tag.code)) {
    case TagCode::DefineShape: define([&] { return ReadShapeBody(body, 1, ctx); }); break;
    case TagCode::DefineShape2: define([&] { return ReadShapeBody(body, 2, ctx); }); break;
    case TagCode::DefineShape3: define([&] { return ReadShapeBody(body, 3, ctx); }); break;
    case TagCode::DefineShape4: define([&] { return ReadShapeBody(body, 4, ctx); }); break;
    case TagCode::DefineBits: define([&] { return ReadDefineBits(body, ctx); }); break;
    case TagCode::DefineBitsJPEG2: define([&] { return ReadDefineBitsJpeg2(body); }); break;
    case TagCode::DefineBitsJPEG3: define([&] { return ReadDefineBitsJpeg3(body, ctx); }); break;
    case TagCode::DefineBitsLossless: define([&] { return ReadDefineBitsLossless(body, false, ctx); }); break;
    case TagCode::DefineBitsLossless2: define([&] { return ReadDefineBitsLossless(body, true, ctx); }); break;
    case TagCode::DefineFont: define([&] { return ReadDefineFont(body, ctx); }); break;
    case TagCode::DefineFont2: define([&] { return ReadDefineFont2(body, 2, ctx); }); break;
    case TagCode::DefineFont3: define([&] { return ReadDefineFont2(body, 3, ctx); }); break;
    case TagCode::DefineText: define([&] { return ReadDefineText(body, 1, ctx); }); break;
    case TagCode::DefineText2: define([&] { return ReadDefineText(body, 2, ctx); }); break;
    case TagCode::DefineButton: define([&] { return ReadDefineButton(body, 1, ctx); }); break;
    case TagCode::DefineButton2: define([&] { return ReadDefineButton(body, 2, ctx); }); break;
    case TagCode::DefineEditText: define([&] { return ReadDefineEditText(body, ctx); }); break;
    case TagCode::DefineMorphShape: define([&] { return ReadDefineMorphShape(body, 1, ctx); }); break;
    case TagCode::DefineMorphShape2: define([&] { return ReadDefineMorphShape(body, 2, ctx); }); break;
    case TagCode::DefineVideoStream: define([&] { return ReadDefineVideoStream(body); }); break;
    case TagCode::DefineSound: define([&] { return ReadDefineSound(body); }); break;
    case TagCode::DefineSprite: define([&] { return ReadDefineSprite(body, dictionary, ctx); }); break;
    default: break;  // a tag we do not use
    }
}

}  // namespace glimmora::swf
