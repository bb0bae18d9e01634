// glimmora-cli swf-to-exe and exe-to-swf: projectors without the editor.

#include "app/cli/Commands.h"

#include "app/cli/CommandLine.h"
#include "tools/files/Projector.h"
#include "tools/files/SourceFile.h"

#include <filesystem>
#include <iostream>

namespace glimmora::cli {

namespace {

std::filesystem::path OutputOption(const ParsedArgs& parsed)
{
    return parsed.Option("-o").value_or(parsed.Option("--output").value_or(""));
}

// The standalone player beside this program, as the editor uses it.
std::filesystem::path PlayerBesideProgram()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return (error ? std::filesystem::current_path() : self.parent_path()) / "glimmora-player";
}

}  // namespace

int RunSwfToExeCommand(const std::vector<std::string>& args)
{
    const ParsedArgs parsed = ParseArgs(args, {"-o", "--output", "--player"});
    if (parsed.positional.size() != 1) throw UsageError("swf-to-exe takes one movie file");
    const std::filesystem::path source = std::filesystem::absolute(parsed.positional[0]);
    const std::filesystem::path output = OutputOption(parsed);
    const std::filesystem::path target = std::filesystem::absolute(tools::TargetOrDefault(source, output, ".exe"));
    const std::filesystem::path player =
        std::filesystem::absolute(parsed.Option("--player").value_or(PlayerBesideProgram().string()));

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

int RunExeToSwfCommand(const std::vector<std::string>& args)
{
    const ParsedArgs parsed = ParseArgs(args, {"-o", "--output"});
    if (parsed.positional.size() != 1) throw UsageError("exe-to-swf takes one projector file");
    const std::filesystem::path source = std::filesystem::absolute(parsed.positional[0]);
    const std::filesystem::path output = OutputOption(parsed);
    const std::filesystem::path target = std::filesystem::absolute(tools::TargetOrDefault(source, output, ".swf"));

    if (!tools::ExeToSwf(source, target)) {
        std::cerr << "glimmora-cli: " << source.string()
                  << " is no projector: Unknown type of executable flash file!\n";
        return 1;
    }
    std::cout << "Movie written to " << target.string() << '\n';
    return 0;
}

}  // namespace glimmora::cli
