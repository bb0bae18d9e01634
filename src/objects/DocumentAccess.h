#pragma once
// How the builder and the adapters reach the document: through the object
// list's reference, at every use, and by the name selected in the list.

#include "document/XmlBinding.h"

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

namespace glimmora {

// No document is bound where one is needed.
class NoDocumentError : public std::runtime_error {
public:
    NoDocumentError() : std::runtime_error("No movie document is loaded") {}
};

// The root behind the reference; throws NoDocumentError when the reference is
// missing or nothing is bound to it.
IXMLMovie BoundMovie(const IXMLMovie* document);

// Finds the first object whose ObjName equals `selectedName` and, when its
// ObjTypeName is `kind`, hands it to `write`. An error while examining or
// writing one object is ignored and the search goes on with the next. Returns
// whether `write` completed. No selection or another kind: nothing is written.
bool StoreIntoSelected(const IXMLMovie& movie, const std::optional<std::string>& selectedName,
                       const std::string& kind, const std::function<void(const IXMLObj&)>& write);

}  // namespace glimmora
