#include "document/XmlDocument.h"

#include "document/ConversionError.h"
#include "document/FileBytes.h"
#include "document/TextEncoding.h"
#include "document/XmlDeclaration.h"

#include <algorithm>
#include <cstring>

namespace glimmora {

namespace {

// Everything the file holds is kept so that it is written back unchanged:
// whitespace-only text, comments, processing instructions, the declaration
// and the document type. Line ends are not normalised and no text outside the
// root element is dropped (hence the fragment mode, checked afterwards).
constexpr unsigned kParseFlags =
    (pugi::parse_full | pugi::parse_ws_pcdata | pugi::parse_fragment) &
    ~(pugi::parse_eol | pugi::parse_wconv_attribute);

// No indentation and no declaration of the library's own; empty elements are
// written as <X></X>.
constexpr unsigned kSaveFlags =
    pugi::format_raw | pugi::format_no_declaration | pugi::format_no_empty_element_tags;

constexpr const char* kNewDocumentDeclaration = R"(<?xml version="1.0" encoding="UTF-8"?>)";

bool StartsWithByteOrderMark(const std::string& bytes)
{
    static const char* const marks[] = {"\xEF\xBB\xBF", "\xFE\xFF", "\xFF\xFE"};
    for (const char* mark : marks)
        if (bytes.compare(0, std::strlen(mark), mark) == 0)
            return true;
    return false;
}

std::string Location(const std::string& bytes, std::ptrdiff_t offset)
{
    const auto end = std::min<std::size_t>(static_cast<std::size_t>(std::max<std::ptrdiff_t>(offset, 0)),
                                           bytes.size());
    const auto line = 1 + std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(end), '\n');
    return "line " + std::to_string(line) + ", offset " + std::to_string(offset);
}

[[noreturn]] void ThrowNotParsed(const std::filesystem::path& file, const std::string& description,
                                 const std::string& bytes, std::ptrdiff_t offset)
{
    throw DocumentError("Cannot read " + file.string() + ": " + description + " (" +
                        Location(bytes, offset) + ")");
}

bool IsBlank(const char* text)
{
    for (; *text; ++text)
        if (!std::strchr(" \t\r\n", *text))
            return false;
    return true;
}

// Fragment mode accepts anything between elements; a document has exactly
// one root element and nothing but blanks, comments and instructions around it.
void CheckSingleRoot(const pugi::xml_document& dom, const std::filesystem::path& file,
                     const std::string& bytes)
{
    int elements = 0;
    for (pugi::xml_node node : dom.children()) {
        switch (node.type()) {
        case pugi::node_element:
            if (++elements > 1)
                ThrowNotParsed(file, "More than one root element", bytes, node.offset_debug());
            break;
        case pugi::node_pcdata:
            if (!IsBlank(node.value()))
                ThrowNotParsed(file, "Text outside the root element", bytes, node.offset_debug());
            break;
        case pugi::node_cdata:
            ThrowNotParsed(file, "Text outside the root element", bytes, node.offset_debug());
        default:
            break;
        }
    }
    if (elements == 0)
        ThrowNotParsed(file, "No document element found", bytes, static_cast<std::ptrdiff_t>(bytes.size()));
}

class StringWriter : public pugi::xml_writer {
public:
    explicit StringWriter(std::string& out) : out_(out) {}
    void write(const void* data, std::size_t size) override
    {
        out_.append(static_cast<const char*>(data), size);
    }

private:
    std::string& out_;
};

// A movie document is a few levels deep; far deeper nesting is damage (or an
// attack on whatever walks the tree).
constexpr std::size_t kMaxNesting = 1000;

void CheckNesting(const pugi::xml_document& dom, const std::filesystem::path& file, const std::string& text)
{
    std::size_t depth = 1;
    pugi::xml_node node = dom.first_child();
    while (node) {
        if (pugi::xml_node child = node.first_child()) {
            node = child;
            if (++depth > kMaxNesting)
                ThrowNotParsed(file, "elements are nested more than " + std::to_string(kMaxNesting) + " deep",
                               text, node.offset_debug());
            continue;
        }
        while (node && !node.next_sibling()) {
            node = node.parent();
            --depth;
        }
        if (node)
            node = node.next_sibling();
    }
}

bool IsAscii(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

const char* UnicodeName(pugi::xml_encoding encoding)
{
    switch (encoding) {
    case pugi::encoding_utf16_le:
    case pugi::encoding_utf16_be:
        return "UTF-16";
    case pugi::encoding_utf32_le:
    case pugi::encoding_utf32_be:
        return "UTF-32";
    default:
        return "UTF-8";
    }
}

bool HasDeclaration(const pugi::xml_document& dom)
{
    for (pugi::xml_node node : dom.children())
        if (node.type() == pugi::node_declaration)
            return true;
    return false;
}

}  // namespace

void TXMLDocument::Activate()
{
    active_ = false;
    fromFile_ = false;
    hadByteOrderMark_ = false;
    encoding_ = pugi::encoding_utf8;
    charset_.clear();
    dom_.reset();

    // A component without a file starts as a new, empty document.
    if (fileName_.empty()) {
        active_ = true;
        return;
    }

    const std::optional<std::string> bytes = ReadFileBytes(fileName_);
    if (!bytes)
        throw DocumentError("Cannot open " + fileName_.string());

    // Unicode with a mark or in UTF-16/32 the parser recognises itself; any
    // other file is UTF-8 unless its declaration names another character set.
    std::string converted;
    const std::string* text = &*bytes;
    pugi::xml_encoding parseAs = pugi::encoding_auto;
    if (!StartsAsUnicode(*bytes)) {
        parseAs = pugi::encoding_utf8;
        const std::optional<std::string> declared = DeclaredEncoding(*bytes);
        if (declared && !IsUnicodeName(*declared)) {
            if (CharsetKnown(*declared)) {
                DecodedText decoded = DecodeToUtf8(*bytes, *declared);
                if (decoded.badByte)
                    ThrowNotParsed(fileName_, "the file is not valid " + *declared + " text", *bytes,
                                   static_cast<std::ptrdiff_t>(*decoded.badByte));
                converted = std::move(decoded.utf8);
                text = &converted;
            } else if (!IsAscii(*bytes)) {
                // Plain ASCII reads the same in any character set; anything
                // else cannot be read without knowing this one.
                ThrowNotParsed(fileName_, "its XML declaration names the encoding \"" + *declared +
                                              "\", which this system does not know", *bytes, 0);
            }
            charset_ = *declared;
        }
    }

    const pugi::xml_parse_result result = dom_.load_buffer(text->data(), text->size(), kParseFlags, parseAs);
    try {
        if (!result)
            ThrowNotParsed(fileName_, result.description(), *text, result.offset);
        CheckSingleRoot(dom_, fileName_, *text);
        CheckNesting(dom_, fileName_, *text);
    } catch (...) {
        dom_.reset();
        charset_.clear();
        throw;
    }
    hadByteOrderMark_ = StartsWithByteOrderMark(*bytes);
    encoding_ = charset_.empty() ? result.encoding : pugi::encoding_utf8;
    // A declaration that names another encoding than the one the bytes are
    // in is made to tell the truth, so that the file is valid once saved.
    if (charset_.empty()) {
        const std::optional<std::string> named = DeclaredEncoding(dom_);
        if (named && !IsUnicodeName(*named))
            SetDeclaredEncoding(dom_, UnicodeName(encoding_));
        else if (named && parseAs == pugi::encoding_utf8 && !IsUtf8Name(*named))
            SetDeclaredEncoding(dom_, "UTF-8");
    }
    fromFile_ = true;
    active_ = true;
}

std::string TXMLDocument::SerializeAs(pugi::xml_encoding encoding, bool byteOrderMark) const
{
    std::string out;
    StringWriter writer(out);
    if (!fromFile_ && !HasDeclaration(dom_))
        out = kNewDocumentDeclaration;
    unsigned flags = kSaveFlags;
    if (byteOrderMark)
        flags |= pugi::format_write_bom;
    dom_.save(writer, "", flags, encoding);
    return out;
}

std::string TXMLDocument::Serialize()
{
    if (charset_.empty())
        return SerializeAs(encoding_, hadByteOrderMark_);
    const std::string utf8 = SerializeAs(pugi::encoding_utf8, false);
    std::optional<std::string> encoded =
        CharsetKnown(charset_) ? EncodeFromUtf8(utf8, charset_) : IsAscii(utf8) ? std::optional(utf8) : std::nullopt;
    if (encoded)
        return std::move(*encoded);
    // A character that the declared set cannot hold: the file becomes UTF-8
    // and its declaration says so from now on.
    SetDeclaredEncoding(dom_, "UTF-8");
    charset_.clear();
    encoding_ = pugi::encoding_utf8;
    return SerializeAs(pugi::encoding_utf8, false);
}

std::string TXMLDocument::Snapshot() const
{
    std::string out;
    StringWriter writer(out);
    dom_.save(writer, "", kSaveFlags, pugi::encoding_utf8);
    return out;
}

void TXMLDocument::RestoreSnapshot(std::string_view snapshot)
{
    if (!dom_.load_buffer(snapshot.data(), snapshot.size(), kParseFlags, pugi::encoding_utf8))
        throw DocumentError("The movie document cannot be restored: its saved state does not read");
    active_ = true;
}

void TXMLDocument::SaveToFile()
{
    SaveToFile(fileName_);
}

void TXMLDocument::SaveToFile(const std::filesystem::path& file)
{
    if (file.empty())
        throw DocumentError("Cannot save the movie document: no file name");
    WriteFileReplacing(file, Serialize());
}

IXMLMovie GetMovie(TXMLDocument& document)
{
    if (!document.Active())
        document.Activate();
    pugi::xml_document& dom = document.Dom();
    pugi::xml_node root = dom.document_element();
    if (!root)
        return IXMLMovie(dom.append_child("Movie"));
    if (std::strcmp(root.name(), "Movie") != 0)
        throw DocumentError(document.FileName().string() + " is not a movie document: its root element is <" +
                            root.name() + ">, not <Movie>");
    return IXMLMovie(root);
}

}  // namespace glimmora
