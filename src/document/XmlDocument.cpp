#include "document/XmlDocument.h"

#include "document/ConversionError.h"
#include "document/FileBytes.h"

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
    dom_.reset();

    // A component without a file starts as a new, empty document.
    if (fileName_.empty()) {
        active_ = true;
        return;
    }

    const std::optional<std::string> bytes = ReadFileBytes(fileName_);
    if (!bytes)
        throw DocumentError("Cannot open " + fileName_.string());

    const pugi::xml_parse_result result =
        dom_.load_buffer(bytes->data(), bytes->size(), kParseFlags, pugi::encoding_auto);
    try {
        if (!result)
            ThrowNotParsed(fileName_, result.description(), *bytes, result.offset);
        CheckSingleRoot(dom_, fileName_, *bytes);
    } catch (...) {
        dom_.reset();
        throw;
    }
    hadByteOrderMark_ = StartsWithByteOrderMark(*bytes);
    encoding_ = result.encoding;
    fromFile_ = true;
    active_ = true;
}

std::string TXMLDocument::Serialize() const
{
    std::string out;
    StringWriter writer(out);
    if (!fromFile_ && !HasDeclaration(dom_))
        out = kNewDocumentDeclaration;
    unsigned flags = kSaveFlags;
    if (hadByteOrderMark_)
        flags |= pugi::format_write_bom;
    dom_.save(writer, "", flags, encoding_);
    return out;
}

void TXMLDocument::SaveToFile() const
{
    SaveToFile(fileName_);
}

void TXMLDocument::SaveToFile(const std::filesystem::path& file) const
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
