#pragma once
// The name a new object of a kind gets: the kind's name, an underscore and a
// number ("Text_1", "Pic_3"), one that no object of the movie bears.

#include "document/XmlBinding.h"

#include <string>

namespace glimmora {

std::string NewObjectName(const IXMLObjList& objects, const std::string& typeName);

}  // namespace glimmora
