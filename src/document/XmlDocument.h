#pragma once
// The XML document component (`XMLDoc`): one parsed project file, saved back
// to the same file with its own whitespace and XML declaration.

#include "document/XmlBinding.h"

#include <pugixml.hpp>

#include <filesystem>

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
    std::filesystem::path fileName_;
    pugi::xml_document dom_;
    bool active_ = false;
};

// Binds the root element `Movie` (activating the document first); a document
// without a root element gets an empty `Movie` root.
IXMLMovie GetMovie(TXMLDocument& document);

}  // namespace glimmora
