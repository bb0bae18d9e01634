// glimmora-cli exe-to-swf: the movie taken back out of a projector.

#include "app/cli/Commands.h"

#include "tools/files/Projector.h"
#include "tools/files/SourceFile.h"

#include <filesystem>
#include <iostream>

namespace glimmora::cli {

namespace {

int RunExeToSwf(const ParsedArgs& parsed)
{
    if (parsed.positional.size() != 1) throw UsageError("exe-to-swf takes one projector file");
    const std::filesystem::path source = std::filesystem::absolute(parsed.positional[0]);
    const std::filesystem::path output = parsed.Option("-o").value_or("");
    const std::filesystem::path target = std::filesystem::absolute(tools::TargetOrDefault(source, output, ".swf"));

    if (!tools::ExeToSwf(source, target)) {
        std::cerr << "glimmora-cli: " << source.string()
                  << " is no projector: Unknown type of executable flash file!\n";
        return 1;
    }
    std::cout << "Movie written to " << target.string() << '\n';
    return 0;
}

}  // namespace

CommandSyntax ExeToSwfCommand()
{
    CommandSyntax syntax;
    syntax.name = "exe-to-swf";
    syntax.usage = {"PROJECTOR [-o OUT.swf]"};
    syntax.summary = "Takes the movie back out of a projector, byte for byte.";
    syntax.description =
        "A file that is no projector is refused with \"Unknown type of executable flash file!\". An existing "
        "target is replaced only once the new file is complete.";
    syntax.options = {OutputOption("The movie to write (default: the projector's name with .swf).")};
    syntax.arguments = {WordKind::AnyFile};
    syntax.group = CommandGroup::Projectors;
    syntax.run = RunExeToSwf;
    return syntax;
}

}  // namespace glimmora::cli
