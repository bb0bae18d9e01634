#include "export/WebPlayer.h"

#include "export/ExportError.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

namespace glimmora::exporting {
namespace {

std::string ReadText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) throw ExportError("The web player is missing \"" + file.string() + "\".");
    std::ostringstream text;
    text << in.rdbuf();
    if (!in && !in.eof()) throw ExportError("Cannot read \"" + file.string() + "\".");
    return text.str();
}

// A source map comment makes developer tools fetch a file the page does not
// carry: leave it out.
std::string WithoutSourceMap(std::string script)
{
    const size_t at = script.rfind("//# sourceMappingURL=");
    if (at != std::string::npos) script.erase(at);
    return script;
}

}  // namespace

WebPlayer LoadWebPlayer(const std::filesystem::path& folder)
{
    WebPlayer player;
    player.mainScript = WithoutSourceMap(ReadText(folder / "ruffle.js"));
    const std::string manifest = ReadText(folder / "package.json");
    std::smatch version;
    if (std::regex_search(manifest, version, std::regex(R"re("version"\s*:\s*"([^"]+)")re")))
        player.version = version[1];

    // The choice between the two modules: `n?new URL(a(797),a.b):new
    // URL(a(124),a.b)`, the module with extensions first. Each module id
    // names its file: `797(e,n,a){e.exports=a.p+"826bb....wasm"}`. The
    // patterns are matched on short windows of the (large) script.
    const std::string& script = player.mainScript;
    const std::regex choice(R"re(^\?new URL\(\w+\((\d+)\),\w+\.b\):new URL)re");
    std::string moduleId;
    for (size_t at = script.find("?new URL("); at != std::string::npos && moduleId.empty();
         at = script.find("?new URL(", at + 1)) {
        std::smatch found;
        const std::string window = script.substr(at, 64);
        if (std::regex_search(window, found, choice)) moduleId = found[1];
    }
    const std::regex wasmModule(R"re((\d+)\(\w+,\w+,\w+\)\{\w+\.exports=\w+\.p\+"([0-9a-f]+\.wasm)"$)re");
    for (size_t at = script.find(".wasm\""); at != std::string::npos && !moduleId.empty();
         at = script.find(".wasm\"", at + 1)) {
        const size_t from = at > 96 ? at - 96 : 0;
        const std::string window = script.substr(from, at + 6 - from);
        std::smatch found;
        if (std::regex_search(window, found, wasmModule) && found[1] == moduleId) player.wasmName = found[2];
    }
    if (player.wasmName.empty())
        throw ExportError("The web player in \"" + folder.string() + "\" is not a version this program knows.");

    std::ifstream wasm(folder / player.wasmName, std::ios::binary);
    if (!wasm) throw ExportError("The web player is missing \"" + (folder / player.wasmName).string() + "\".");
    player.wasm.assign(std::istreambuf_iterator<char>(wasm), std::istreambuf_iterator<char>());

    std::vector<std::filesystem::path> chunks;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("core.ruffle.") && name.ends_with(".js")) chunks.push_back(entry.path());
    }
    if (chunks.empty())
        throw ExportError("The web player in \"" + folder.string() + "\" has no core scripts.");
    std::sort(chunks.begin(), chunks.end());
    for (const auto& chunk : chunks) player.chunks.push_back(WithoutSourceMap(ReadText(chunk)));
    return player;
}

}  // namespace glimmora::exporting
