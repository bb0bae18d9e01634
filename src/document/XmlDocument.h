#pragma once
// The XML document component (`XMLDoc`): one parsed project file, saved back
// to the same file with its own whitespace and XML declaration.
//
// A file is read in the encoding its XML declaration names ("GB2312",
// "windows-1252", ...; UTF-8 without one) and saved in it again as long as
// every character fits; otherwise it is saved in UTF-8 and its declaration
// says so. No character is ever replaced.

#include "document/XmlBinding.h"

#include <pugixml.hpp>

#include <filesystem>
#include <string>
#include <string_view>

namespace glimmora {

class TXMLDocument {
public:
    void SetFileName(const std::filesystem::path& file) { fileName_ = file; active_ = false; }
    const std::filesystem::path& FileName() const { return fileName_; }

    // Parses FileName(); throws DocumentError with the parser's message when
    // the file is missing, is not XML, is not valid text in its declared
    // encoding or nests elements absurdly deep.
    void Activate();
    bool Active() const { return active_; }

    // Writes the whole tree to FileName() (written beside it, then moved over
    // it, so a failed write never leaves a truncated file). Throws DocumentError.
    void SaveToFile();
    void SaveToFile(const std::filesystem::path& file);

    pugi::xml_document& Dom() { return dom_; }

    // The whole tree as UTF-8 text, exactly as RestoreSnapshot takes it back
    // (undo steps, and the comparison with the state last saved).
    std::string Snapshot() const;
    // Replaces the tree by a snapshot's; the file's encoding stays as loaded.
    // Throws DocumentError when the text is no snapshot.
    void RestoreSnapshot(std::string_view snapshot);

private:
    std::string Serialize();
    std::string SerializeAs(pugi::xml_encoding encoding, bool byteOrderMark) const;

    std::filesystem::path fileName_;
    pugi::xml_document dom_;
    bool active_ = false;
    // How the loaded file was written, so that saving keeps it: whether it
    // came from a file at all (a new document gets an XML declaration), its
    // Unicode encoding and whether it began with a byte order mark, or the
    // other character set its declaration names.
    bool fromFile_ = false;
    bool hadByteOrderMark_ = false;
    pugi::xml_encoding encoding_ = pugi::encoding_utf8;
    std::string charset_;
};

// Binds the root element `Movie` (activating the document first); a document
// without a root element gets an empty `Movie` root.
IXMLMovie GetMovie(TXMLDocument& document);

}  // namespace glimmora
