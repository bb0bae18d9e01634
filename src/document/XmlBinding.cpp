#include "document/XmlBinding.h"

#include "document/ConversionError.h"
#include "document/IntegerText.h"

#include <cstring>
#include <stdexcept>
#include <vector>

namespace glimmora {

namespace {

bool IsElementNamed(pugi::xml_node node, const char* name)
{
    return node.type() == pugi::node_element && std::strcmp(node.name(), name) == 0;
}

// The first child element called `name`; processing instructions and other
// non-element children never match.
pugi::xml_node FirstElement(pugi::xml_node parent, const char* name)
{
    for (pugi::xml_node child : parent.children())
        if (IsElementNamed(child, name))
            return child;
    return {};
}

constexpr const char* kObj = "Obj";

pugi::xml_node NthObj(pugi::xml_node movie, int index)
{
    if (index < 0)
        return {};
    for (pugi::xml_node child : movie.children())
        if (IsElementNamed(child, kObj) && index-- == 0)
            return child;
    return {};
}

[[noreturn]] void ThrowBadIndex(int index, int count)
{
    throw std::out_of_range("Obj index " + std::to_string(index) + " is out of range (" +
                            std::to_string(count) + " objects)");
}

bool IsText(pugi::xml_node node)
{
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// All of the element's own text: a comment or a CDATA section may split it
// into several nodes ("Tom <![CDATA[&]]> Jerry" is "Tom & Jerry").
std::string ElementText(pugi::xml_node element)
{
    std::string text;
    for (pugi::xml_node child : element.children())
        if (IsText(child))
            text += child.value();
    return text;
}

// Replaces every text node of the element with one that holds `value`, where
// the first one was; comments and other children stay.
void ReplaceElementText(pugi::xml_node element, const std::string& value)
{
    std::vector<pugi::xml_node> texts;
    for (pugi::xml_node child : element.children())
        if (IsText(child))
            texts.push_back(child);
    pugi::xml_node kept;
    if (texts.empty())
        kept = element.append_child(pugi::node_pcdata);
    else if (texts.front().type() == pugi::node_pcdata)
        kept = texts.front();
    else
        kept = element.insert_child_before(pugi::node_pcdata, texts.front());
    if (!kept)
        throw DocumentError(std::string("Cannot write the element ") + element.name());
    for (pugi::xml_node node : texts)
        if (node != kept)
            element.remove_child(node);
    kept.set_value(value.c_str());
}

void RequireBound(pugi::xml_node node)
{
    if (!node)
        throw DocumentError("No movie document is bound");
}

}  // namespace

// --- IXMLNode -----------------------------------------------------------

pugi::xml_node IXMLNode::Child(const char* name) const
{
    RequireBound(node_);
    pugi::xml_node child = FirstElement(node_, name);
    if (!child) {
        // Appended right after the last child, without any indentation.
        pugi::xml_node parent = node_;  // a handle: const only in name
        child = parent.append_child(name);
        if (!child)
            throw DocumentError(std::string("Cannot add the element ") + name);
    }
    return child;
}

std::optional<std::string> IXMLNode::FindText(const char* name) const
{
    const pugi::xml_node child = FirstElement(node_, name);
    if (!child)
        return std::nullopt;
    return ElementText(child);
}

std::string IXMLNode::ReadText(const char* name) const
{
    return ElementText(Child(name));
}

int IXMLNode::ReadInteger(const char* name) const
{
    return ParseIntegerText(ElementText(Child(name)), name);
}

void IXMLNode::WriteText(const char* name, const std::string& value) const
{
    ReplaceElementText(Child(name), value);
}

void IXMLNode::WriteInteger(const char* name, int value) const
{
    ReplaceElementText(Child(name), std::to_string(value));
}

// --- IXMLObjList --------------------------------------------------------

int IXMLObjList::Count() const
{
    int count = 0;
    for (pugi::xml_node child : node_.children())
        if (IsElementNamed(child, kObj))
            ++count;
    return count;
}

IXMLObj IXMLObjList::Items(int index) const
{
    pugi::xml_node obj = NthObj(node_, index);
    if (!obj)
        ThrowBadIndex(index, Count());
    return IXMLObj(obj);
}

std::vector<IXMLObj> IXMLObjList::All() const
{
    std::vector<IXMLObj> objects;
    for (pugi::xml_node child : node_.children())
        if (IsElementNamed(child, kObj))
            objects.emplace_back(child);
    return objects;
}

IXMLObj IXMLObjList::Add() const
{
    RequireBound(node_);
    pugi::xml_node movie = node_;
    return IXMLObj(movie.append_child(kObj));
}

IXMLObj IXMLObjList::Insert(int index) const
{
    RequireBound(node_);
    const int count = Count();
    if (index == count)
        return Add();
    pugi::xml_node before = NthObj(node_, index);
    if (!before)
        ThrowBadIndex(index, count);
    pugi::xml_node movie = node_;
    return IXMLObj(movie.insert_child_before(kObj, before));
}

void IXMLObjList::Delete(int index) const
{
    pugi::xml_node obj = NthObj(node_, index);
    if (!obj)
        ThrowBadIndex(index, Count());
    pugi::xml_node movie = node_;
    movie.remove_child(obj);
}

void IXMLObjList::Remove(const IXMLObj& obj) const
{
    // Only an `Obj` of this movie; anything else is not in the list.
    const pugi::xml_node node = obj.Node();
    pugi::xml_node movie = node_;
    if (movie && node && node.parent() == movie && IsElementNamed(node, kObj))
        movie.remove_child(node);
}

void IXMLObjList::Clear() const
{
    std::vector<pugi::xml_node> objs;
    for (pugi::xml_node child : node_.children())
        if (IsElementNamed(child, kObj))
            objs.push_back(child);
    pugi::xml_node movie = node_;
    for (pugi::xml_node obj : objs)
        movie.remove_child(obj);
}

}  // namespace glimmora
