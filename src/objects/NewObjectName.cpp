#include "objects/NewObjectName.h"

#include <set>

namespace glimmora {

namespace {

std::string NumberedName(const std::string& typeName, long long number)
{
    return typeName + "_" + std::to_string(number);
}

bool AnyObjectNamed(const IXMLObjList& objects, const std::string& name)
{
    for (int i = 0; i < objects.Count(); ++i)
        if (objects.Items(i).ObjName() == name) return true;
    return false;
}

}  // namespace

std::string NewObjectName(const IXMLObjList& objects, const std::string& typeName)
{
    // Scan the objects, counting those of this kind; on a name clash restart
    // with the kind's count + 1. A clash can propose a name that was already
    // tried (a picture named Text_1 in a movie without texts proposes Text_1
    // again): then count up from there to a name that no object bears, so the
    // scan always ends.
    std::string candidate = NumberedName(typeName, 1);
    std::set<std::string> tried{candidate};
    long long counter = 0;
    int i = 0;
    while (i < objects.Count()) {
        const IXMLObj obj = objects.Items(i);
        if (obj.ObjTypeName() == typeName) ++counter;
        if (obj.ObjName() != candidate) {
            ++i;
            continue;
        }
        long long number = counter + 1;
        if (tried.count(NumberedName(typeName, number)) != 0) {
            do {
                ++number;
            } while (tried.count(NumberedName(typeName, number)) != 0 ||
                     AnyObjectNamed(objects, NumberedName(typeName, number)));
        }
        candidate = NumberedName(typeName, number);
        tried.insert(candidate);
        counter = 0;
        i = 0;
    }
    return candidate;
}

}  // namespace glimmora
