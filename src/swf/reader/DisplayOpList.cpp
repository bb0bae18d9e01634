#include "swf/reader/DisplayOpList.h"

#include "swf/reader/DisplayTagReading.h"
#include "swf/reader/TagHeader.h"

#include <algorithm>
#include <cstring>

namespace glimmora::swf {
namespace {

// The first byte of a packed operation: its kind, then which fields follow.
enum : uint8_t {
    kKindMask = 0x03,
    kHasCharacter = 0x04,
    kHasMatrix = 0x08,
    kHasColorTransform = 0x10,
    kHasRatio = 0x20,
    kHasClipDepth = 0x40,
    kWhole = 0x80,  // an index into the whole operations follows, nothing else
};
// The first byte of a packed matrix or colour transform: which parts follow.
enum : uint8_t { kScale = 0x01, kRotate = 0x02 };
enum : uint8_t { kMultiply = 0x01, kAdd = 0x02 };

template <typename T>
void Put(std::vector<uint8_t>& out, T value)
{
    uint8_t raw[sizeof(T)];
    std::memcpy(raw, &value, sizeof(T));
    out.insert(out.end(), raw, raw + sizeof(T));
}

template <typename T>
T Take(const uint8_t* data, size_t& offset)
{
    T value;
    std::memcpy(&value, data + offset, sizeof(T));
    offset += sizeof(T);
    return value;
}

// The operation with only the fields that pack; equal to `op` when nothing else is set.
DisplayOp CommonFields(const DisplayOp& op)
{
    DisplayOp common;
    common.kind = op.kind;
    common.depth = op.depth;
    common.characterId = op.characterId;
    common.matrix = op.matrix;
    common.colorTransform = op.colorTransform;
    common.ratio = op.ratio;
    common.clipDepth = op.clipDepth;
    return common;
}

void PutMatrix(std::vector<uint8_t>& out, const Matrix& m)
{
    const bool scale = m.scaleX != 65536 || m.scaleY != 65536;
    const bool rotate = m.rotateSkew0 != 0 || m.rotateSkew1 != 0;
    out.push_back(uint8_t((scale ? kScale : 0) | (rotate ? kRotate : 0)));
    if (scale) {
        Put(out, m.scaleX);
        Put(out, m.scaleY);
    }
    if (rotate) {
        Put(out, m.rotateSkew0);
        Put(out, m.rotateSkew1);
    }
    Put(out, m.translateX);
    Put(out, m.translateY);
}

Matrix TakeMatrix(const uint8_t* data, size_t& offset)
{
    Matrix m;
    const uint8_t form = data[offset++];
    if (form & kScale) {
        m.scaleX = Take<int32_t>(data, offset);
        m.scaleY = Take<int32_t>(data, offset);
    }
    if (form & kRotate) {
        m.rotateSkew0 = Take<int32_t>(data, offset);
        m.rotateSkew1 = Take<int32_t>(data, offset);
    }
    m.translateX = Take<int32_t>(data, offset);
    m.translateY = Take<int32_t>(data, offset);
    return m;
}

void PutColorTransform(std::vector<uint8_t>& out, const ColorTransform& cx)
{
    out.push_back(uint8_t((cx.hasMult() ? kMultiply : 0) | (cx.hasAdd() ? kAdd : 0)));
    if (cx.hasMult()) {
        for (int16_t v : {cx.multR, cx.multG, cx.multB, cx.multA}) Put(out, v);
    }
    if (cx.hasAdd()) {
        for (int16_t v : {cx.addR, cx.addG, cx.addB, cx.addA}) Put(out, v);
    }
}

ColorTransform TakeColorTransform(const uint8_t* data, size_t& offset)
{
    ColorTransform cx;
    const uint8_t form = data[offset++];
    if (form & kMultiply) {
        cx.multR = Take<int16_t>(data, offset);
        cx.multG = Take<int16_t>(data, offset);
        cx.multB = Take<int16_t>(data, offset);
        cx.multA = Take<int16_t>(data, offset);
    }
    if (form & kAdd) {
        cx.addR = Take<int16_t>(data, offset);
        cx.addG = Take<int16_t>(data, offset);
        cx.addB = Take<int16_t>(data, offset);
        cx.addA = Take<int16_t>(data, offset);
    }
    return cx;
}

}  // namespace

DisplayOpList DisplayOpList::OfTags(std::shared_ptr<const TagSource> source, size_t begin, size_t end, size_t count)
{
    DisplayOpList list;
    list.tags_ = std::move(source);
    list.tagsBegin_ = begin;
    list.tagsEnd_ = std::min(end, list.tags_->size);
    list.count_ = count;
    return list;
}

void DisplayOpList::push_back(const DisplayOp& op)
{
    ++count_;
    if (!(CommonFields(op) == op)) {
        bytes_.push_back(kWhole);
        Put(bytes_, uint32_t(whole_.size()));
        whole_.push_back(op);
        return;
    }
    bytes_.push_back(uint8_t(uint8_t(op.kind) | (op.characterId ? kHasCharacter : 0) |
                             (op.matrix ? kHasMatrix : 0) | (op.colorTransform ? kHasColorTransform : 0) |
                             (op.ratio ? kHasRatio : 0) | (op.clipDepth ? kHasClipDepth : 0)));
    Put(bytes_, op.depth);
    if (op.characterId) Put(bytes_, *op.characterId);
    if (op.matrix) PutMatrix(bytes_, *op.matrix);
    if (op.colorTransform) PutColorTransform(bytes_, *op.colorTransform);
    if (op.ratio) Put(bytes_, *op.ratio);
    if (op.clipDepth) Put(bytes_, *op.clipDepth);
}

void DisplayOpList::shrink_to_fit()
{
    bytes_.shrink_to_fit();
    whole_.shrink_to_fit();
}

DisplayOp DisplayOpList::operator[](size_t index) const
{
    auto it = begin();
    for (size_t i = 0; i < index && it != end(); ++i) ++it;
    return it == end() ? DisplayOp{} : *it;
}

DisplayOpList::const_iterator::const_iterator(const DisplayOpList* list, size_t index)
    : list_(list), index_(index), offset_(list->tags_ ? list->tagsBegin_ : 0)
{
    if (index_ < list_->count_) Unpack();
}

DisplayOpList::const_iterator& DisplayOpList::const_iterator::operator++()
{
    if (++index_ < list_->count_) Unpack();
    return *this;
}

void DisplayOpList::const_iterator::ReadTag()
{
    const TagSource& source = *list_->tags_;
    BitReader in(source.data, list_->tagsEnd_, source.fileOffset);
    in.Seek(offset_);
    try {
        while (!in.AtEnd()) {
            const TagHeader tag = ReadTagHeader(in);
            BitReader body = in.Sub(tag.length);
            if (!MakesDisplayOp(tag.code, body.Data(), tag.length)) continue;
            if (auto op = ReadDisplayTag(tag.code, body, source.swfVersion)) {
                offset_ = in.Position();
                current_ = std::move(*op);
                return;
            }
        }
    } catch (const DecodeError&) {
        // a damaged tag: the operations end before it
    }
    index_ = list_->count_;
}

void DisplayOpList::const_iterator::Unpack()
{
    if (list_->tags_) return ReadTag();
    const uint8_t* data = list_->bytes_.data();
    const uint8_t head = data[offset_++];
    if (head & kWhole) {
        current_ = list_->whole_[Take<uint32_t>(data, offset_)];
        return;
    }
    current_ = DisplayOp{};
    current_.kind = DisplayOp::Kind(head & kKindMask);
    current_.depth = Take<uint16_t>(data, offset_);
    if (head & kHasCharacter) current_.characterId = Take<uint16_t>(data, offset_);
    if (head & kHasMatrix) current_.matrix = TakeMatrix(data, offset_);
    if (head & kHasColorTransform) current_.colorTransform = TakeColorTransform(data, offset_);
    if (head & kHasRatio) current_.ratio = Take<uint16_t>(data, offset_);
    if (head & kHasClipDepth) current_.clipDepth = Take<uint16_t>(data, offset_);
}

}  // namespace glimmora::swf
