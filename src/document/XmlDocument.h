#pragma once
// The XML document component (`XMLDoc`): one parsed project file, saved back
// to the same file with its own whitespace and XML declaration.

#include "document/XmlBinding.h"

#include <pugixml.hpp>

#include <filesystem>
#include <string>

namespace glimmora {

class TXMLDocument {
public:
    void SetFileName(const std::filesystem::path& file) { fileName_ = file; active_ = false; }
    const std::filesystem::path& FileName() const { return fileName_; }

    // Parses FileName(); throws DocumentError with the parser's message when
    // the file is missing or is not XML.
    void Activate();
    bool Active() const { return active_; }

    // Writes the whole tree to FileName() (written beside it, then moved over
    // it, so a failed write never leaves a truncated file). Throws DocumentError.
    void SaveToFile() const;
    void SaveToFile(const std::filesystem::path& file) const;

    pugi::xml_document& Dom() { return dom_; }

private:
    std::string Serialize() const;

    std::filesystem::path fileName_;
    pugi::xml_document dom_;
    bool active_ = false;
    // How the loaded file was written, so that saving keeps it: whether it
    // came from a file at all (a new document gets an XML declaration), its
    // encoding and whether it began with a byte order mark.
    bool fromFile_ = false;
    bool hadByteOrderMark_ = false;
    pugi::xml_encoding encoding_ = pugi::encoding_utf8;
};

// Binds the root element `Movie` (activating the document first); a document
// without a root element gets an empty `Movie` root.
IXMLMovie GetMovie(TXMLDocument& document);

}  // namespace glimmora
