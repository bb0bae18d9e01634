#pragma once
// How many records (DecodeLimits::maxRecords) the reader would decode from an
// uncompressed movie, counted without building the movie: the writer checks
// with it that the player will take what it writes.

#include <cstddef>
#include <cstdint>

namespace glimmora::swf {

// At least the reader's count for an uncompressed ("FWS") movie: display and
// sound operations and frames by their tags, definitions by reading them one
// at a time, sprites by reading their frames. Throws DecodeError for data the
// reader would refuse anyway.
size_t CountDecodedRecords(const uint8_t* data, size_t size);

// The same count for whole tags (headers included) of a movie of `version`:
// what CountDecodedRecords adds for them. The End tag counts nothing.
size_t CountTagRecords(const uint8_t* tags, size_t size, int version);

// The records of one glyph's SHAPE as DefineFont2 holds it; a font of
// glyphs whose shapes are all non-empty counts its glyphs plus theirs.
size_t CountGlyphShapeRecords(const uint8_t* shape, size_t size);

}  // namespace glimmora::swf
