#include "workspace/TimelineRows.h"

#include "document/IntegerText.h"
#include "effects/text/TextEffectRun.h"

#include <unordered_map>

namespace glimmora {

namespace {

int CodePoints(const std::string& utf8)
{
    int count = 0;
    for (const char byte : utf8)
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) ++count;
    return count;
}

// Reading never adds an element: the timeline only looks.
std::string TextOf(pugi::xml_node node, const char* name) { return IXMLNode(node).FindText(name).value_or(""); }

std::optional<int> IntegerOf(pugi::xml_node node, const char* name)
{
    const std::optional<std::string> text = IXMLNode(node).FindText(name);
    return text ? TryParseIntegerText(*text) : std::nullopt;
}

// Nothing for an object whose frames cannot be read: it has no bar, and the
// build says why.
std::optional<TimelineRow> RowOf(pugi::xml_node obj)
{
    TimelineRow row;
    row.name = QString::fromStdString(TextOf(obj, "ObjName"));
    row.kind = QString::fromStdString(TextOf(obj, "ObjTypeName"));
    if (row.kind == "Sound") {
        // A sound plays from the first frame whatever its stored frames say.
        row.movable = false;
        return row;
    }
    const std::optional<int> start = IntegerOf(obj, "StartTime"), end = IntegerOf(obj, "EndTime");
    if (!start || !end) return std::nullopt;
    row.start = *start;
    row.end = *end;
    if (row.kind == "Text") {
        const pugi::xml_node text = obj.child("ObjType").child("ObjText");
        const auto run = TextEffectRun(TextOf(text, "EffectName"), row.start, IntegerOf(text, "ExSpeed").value_or(0),
                                       CodePoints(TextOf(text, "Content")));
        if (run) {
            row.run = std::make_pair(run->first, run->last);
            row.runStays = run->staysOnStage;
        }
    }
    return row;
}

}  // namespace

std::vector<TimelineRow> TimelineRowsOf(const IXMLMovie& movie, const std::vector<std::string>& order)
{
    std::unordered_map<std::string, pugi::xml_node> byName;
    for (pugi::xml_node node : movie.Node().children("Obj")) {
        byName.emplace(TextOf(node, "ObjName"), node);  // the first of a name, as the list finds it
    }
    std::vector<TimelineRow> rows;
    rows.reserve(order.size());
    for (const std::string& name : order) {
        const auto found = byName.find(name);
        if (found == byName.end()) continue;
        if (std::optional<TimelineRow> row = RowOf(found->second)) rows.push_back(std::move(*row));
    }
    return rows;
}

void WriteObjectFrames(const IXMLObj& obj, int start, int end)
{
    obj.SetStartTime(start);
    obj.SetEndTime(end);
    if (obj.ObjTypeName() == "Text") obj.ObjType().ObjText().SetExSpeed(end - start);
}

}  // namespace glimmora
