#include "export/MoviePage.h"

#include "export/ExportError.h"

#include <QByteArray>

#include <zlib.h>

#include <cstdio>

namespace glimmora::exporting {
namespace {

std::string Base64(std::span<const uint8_t> data)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data.data()), qsizetype(data.size()))
        .toBase64()
        .toStdString();
}

// A script inline in HTML ends at the first "</script" and changes state at
// "<!--": write both so that the script reads the same and the HTML parser
// sees neither. Inside strings, regular expressions and comments (the only
// places they can occur) "<\/" and "<\!" mean what "</" and "<!" mean.
std::string InlineScript(const std::string& script)
{
    std::string safe;
    safe.reserve(script.size());
    for (size_t i = 0; i < script.size(); ++i) {
        safe += script[i];
        if (script[i] == '<' && i + 1 < script.size() && (script[i + 1] == '/' || script[i + 1] == '!'))
            safe += '\\';
    }
    return "<script>" + safe + "</script>\n";
}

std::string EscapeHtml(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::string CssColor(uint32_t rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", unsigned(rgb & 0xffffff));
    return text;
}

}  // namespace

std::vector<uint8_t> Gzip(std::span<const uint8_t> data)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        throw ExportError("Out of memory");
    std::vector<uint8_t> out(deflateBound(&stream, uLong(data.size())));
    stream.next_in = const_cast<Bytef*>(data.data());
    stream.avail_in = uInt(data.size());
    stream.next_out = out.data();
    stream.avail_out = uInt(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END) throw ExportError("The page's data could not be compressed.");
    return out;
}

std::string MakeMoviePage(const WebPlayer& player, std::span<const uint8_t> swf, const MoviePageOptions& options)
{
    const std::string width = std::to_string(options.size.width());
    const std::string height = std::to_string(options.size.height());
    std::string page;
    page.reserve(player.wasm.size() / 2 + swf.size() * 2 + player.mainScript.size() + (1 << 20));
    page += "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n";
    page += "<meta name=\"generator\" content=\"Glimmora\">\n";
    page += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    page += "<title>" + EscapeHtml(options.title) + "</title>\n";
    page += "<style>html,body{margin:0;height:100%;background:" + CssColor(options.background) +
            "}body{display:flex;align-items:center;justify-content:center}"
            "#movie{width:" + width + "px;height:" + height + "px;max-width:100vw;max-height:100vh}</style>\n";
    // The bytes, then the fetch that serves the module from them.
    page += "<script>\nwindow.glimmoraPage = {\n  wasmName: \"" + player.wasmName + "\",\n  wasm: \"" +
            Base64(Gzip(player.wasm)) + "\",\n  swf: \"" + Base64(Gzip(swf)) + "\"\n};\n";
    page += R"js(
window.glimmoraPage.unpack = async function (base64) {
  const packed = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  const stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream("gzip"));
  return new Uint8Array(await new Response(stream).arrayBuffer());
};
(function () {
  const page = window.glimmoraPage;
  const pageFetch = window.fetch.bind(window);
  window.fetch = async function (resource, init) {
    const url = String(resource && resource.url ? resource.url : resource);
    if (url.split(/[?#]/)[0].endsWith(".wasm")) {
      if (!url.split(/[?#]/)[0].endsWith(page.wasmName))
        throw new Error("This page carries only " + page.wasmName + ", not " + url);
      const bytes = await page.unpack(page.wasm);
      return new Response(bytes, { headers: { "Content-Type": "application/wasm" } });
    }
    return pageFetch(resource, init);
  };
})();
window.RufflePlayer = window.RufflePlayer || {};
window.RufflePlayer.config = {
  polyfills: false,
  autoplay: "on",
  unmuteOverlay: "visible",
  splashScreen: false,
  letterbox: "on",
  warnOnUnsupportedContent: false,
  showSwfDownload: false,
  openUrlMode: "deny",
  allowNetworking: "none",
  upgradeToHttps: false,
  backgroundColor: null
};
</script>
)js";
    for (const std::string& chunk : player.chunks) page += InlineScript(chunk);
    page += InlineScript(player.mainScript);
    page += "</head>\n<body>\n<div id=\"movie\"></div>\n";
    page += R"js(<script>
(async function () {
  const player = window.RufflePlayer.newest().createPlayer();
  player.id = "player";
  player.style.width = "100%";
  player.style.height = "100%";
  document.getElementById("movie").appendChild(player);
  const data = await window.glimmoraPage.unpack(window.glimmoraPage.swf);
  await player.ruffle().load({ data: data });
})().catch(function (error) {
  document.getElementById("movie").textContent = "The movie could not be played: " + error;
});
</script>
</body>
</html>
)js";
    return page;
}

}  // namespace glimmora::exporting
