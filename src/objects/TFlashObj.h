#pragma once
// The in-memory form of one document object while it is edited or generated.

#include "document/XmlBinding.h"
#include "objects/GenerationContext.h"

#include <string>

namespace glimmora {

class TFlashObj {
public:
    explicit TFlashObj(std::string typeName) : TypeName(std::move(typeName)) {}
    virtual ~TFlashObj() = default;

    // Computes a unique ObjName for the kind ("Text_1", ...); the adapters
    // then create the document object. The argument is the start frame.
    virtual void AddNew(int startFrame);
    // Loads the object at `index` and generates it.
    virtual void Generate(int index);
    // Loads `obj`, an object of the bound document, and generates it.
    virtual void Generate(const IXMLObj& obj) = 0;

    // The object list's reference to the bound document; read at every use.
    IXMLMovie* Document = nullptr;
    // Set for generation runs: holders, messages, random source, base path.
    const GenerationContext* Context = nullptr;

    std::string TypeName;
    std::string ObjName;
    int Layer = 0;
    int StartTime = 0;
    int EndTime = 0;
    int PositionX = 0;
    int PositionY = 0;
    std::string EffectName;
};

}  // namespace glimmora
