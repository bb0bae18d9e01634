#include "support/SwfCheck.h"

#include "support/ProcessRunner.h"

#include <cstdlib>
#include <regex>

namespace glimmora::test {

std::optional<std::filesystem::path> SwfCheckTool()
{
    const char* env = std::getenv("GLIMMORA_SWFCHECK");
    if (!env || !*env) return std::nullopt;
    std::filesystem::path tool(env);
    std::error_code ec;
    if (!std::filesystem::exists(tool, ec)) return std::nullopt;
    return tool;
}

SwfCheckResult SwfCheckParse(const std::filesystem::path& swf)
{
    SwfCheckResult result;
    const auto tool = SwfCheckTool();
    if (!tool) return result;
    const ProcessResult run = RunProcess({tool->string(), "parse", swf.string(), "--strict"});
    result.report = run.out + run.err;
    result.ok = run.exitCode == 0 && std::regex_search(run.out, std::regex("\"ok\"\\s*:\\s*true"));
    std::smatch m;
    if (std::regex_search(run.out, m, std::regex("\"warnings\"\\s*:\\s*\\[\\s*\\]")))
        result.warnings = 0;
    else if (std::regex_search(run.out, std::regex("\"warnings\"\\s*:\\s*\\[")))
        result.warnings = 1;
    return result;
}

bool SwfCheckRender(const std::filesystem::path& swf, int frameFromOne, const std::filesystem::path& png,
                    std::string* errors)
{
    const auto tool = SwfCheckTool();
    if (!tool) return false;
    // Under heavy load the player's fake clock occasionally refuses a step
    // ("Cannot fast-forward to the past"); a second or third try goes through.
    ProcessResult run;
    for (int attempt = 0; attempt < 3; ++attempt) {
        run = RunProcess(
            {tool->string(), "render", swf.string(), "--frame", std::to_string(frameFromOne), "--out", png.string()});
        if (run.exitCode == 0) break;
    }
    if (errors) *errors = run.err;
    return run.exitCode == 0;
}

}  // namespace glimmora::test
