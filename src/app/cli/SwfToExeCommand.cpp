// glimmora-cli swf-to-exe: a projector made without the editor.

#include "app/cli/Commands.h"
#include "files/ProgramFolder.h"

#include "tools/files/Projector.h"
#include "tools/files/SourceFile.h"

#include <filesystem>
#include <iostream>

namespace glimmora::cli {

namespace {

int RunSwfToExe(const ParsedArgs& parsed)
{
    if (parsed.positional.size() != 1) throw UsageError("swf-to-exe takes one movie file");
    const std::filesystem::path source = std::filesystem::absolute(parsed.positional[0]);
    const std::filesystem::path output = parsed.Option("-o").value_or("");
    const std::filesystem::path target = std::filesystem::absolute(tools::TargetOrDefault(source, output, ".exe"));
    const std::filesystem::path player =
        std::filesystem::absolute(parsed.Option("--player").value_or((files::ProgramFolder() / "glimmora-player").string()));

    if (!tools::SwfToExe(source, target, player)) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(player, error))
            std::cerr << "glimmora-cli: the player program " << player.string() << " is missing\n";
        else
            std::cerr << "glimmora-cli: cannot write " << target.string() << " (is its folder writable?)\n";
        return 1;
    }
    std::cout << "Projector written to " << target.string() << '\n';
    return 0;
}

}  // namespace

CommandSyntax SwfToExeCommand()
{
    CommandSyntax syntax;
    syntax.name = "swf-to-exe";
    syntax.usage = {"MOVIE.swf [-o OUT] [--player PLAYER]"};
    syntax.summary = "Makes a projector: a player that plays the movie when started.";
    syntax.description =
        "Writes a copy of the standalone player with the movie behind it. Started, the projector plays the "
        "movie by itself; exe-to-swf takes the movie back out. An existing target is replaced only once the "
        "new file is complete.";
    syntax.options = {OutputOption("The projector to write (default: MOVIE.exe beside the movie)."),
                    {{"--player"}, "PLAYER", "The player to copy (default: glimmora-player beside this program).",
                     WordKind::AnyFile}};
    syntax.arguments = {WordKind::Movie};
    syntax.group = CommandGroup::Projectors;
    syntax.run = RunSwfToExe;
    return syntax;
}

}  // namespace glimmora::cli
