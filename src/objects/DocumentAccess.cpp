#include "objects/DocumentAccess.h"

namespace glimmora {

IXMLMovie BoundMovie(const IXMLMovie* document)
{
    if (document == nullptr || !*document) throw NoDocumentError();
    return *document;
}

bool StoreIntoSelected(const IXMLMovie& movie, const std::optional<std::string>& selectedName,
                       const std::string& kind, const std::function<void(const IXMLObj&)>& write)
{
    if (!selectedName) return false;
    const IXMLObjList objects = movie.Obj();
    for (int i = 0; i < objects.Count(); ++i) {
        try {
            const IXMLObj obj = objects.Items(i);
            if (obj.ObjName() != *selectedName) continue;
            if (obj.ObjTypeName() != kind) return false;
            write(obj);
            return true;
        } catch (const std::exception&) {
            // this object could not be examined or written: try the next one
        }
    }
    return false;
}

}  // namespace glimmora
