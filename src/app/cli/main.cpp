// glimmora-cli: builds, checks and converts Glimmora movies without the editor.

#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#ifdef GLIMMORA_HAS_PLAYER
#include "app/cli/ExportCommand.h"
#include "app/cli/RenderCommand.h"
#endif

#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

namespace {

void PrintUsage(std::ostream& out)
{
    out << "Usage:\n"
           "  glimmora-cli build PROJECT.gmr [-o OUT.swf]\n"
           "      Generates the movie of a project (pictures and sounds beside it).\n"
           "  glimmora-cli import-picture PROJECT.gmr OBJECT PICTURE [--new] [--scale-down]\n"
           "      Converts a BMP, JPEG, PNG, GIF or WebP picture into the project's folder as\n"
           "      OBJECT.jpg (OBJECT.png when it has transparency) and records it in the picture\n"
           "      object OBJECT (--new creates it; --scale-down fits a larger one into 800 x 600).\n"
           "  glimmora-cli swf-to-exe MOVIE.swf [-o OUT] [--player PLAYER]\n"
           "      Makes a projector: the standalone player with the movie behind it\n"
           "      (default OUT: MOVIE.exe; default PLAYER: glimmora-player beside this program).\n"
           "  glimmora-cli exe-to-swf PROJECTOR [-o OUT.swf]\n"
           "      Takes the movie back out of a projector (default OUT: the projector's name with .swf).\n"
#ifdef GLIMMORA_HAS_PLAYER
           "  glimmora-cli render PROJECT.gmr|MOVIE.swf --frame N -o OUT.png\n"
           "  glimmora-cli render PROJECT.gmr|MOVIE.swf --frames A-B -o OUT_%d.png\n"
           "  glimmora-cli render PROJECT.gmr|MOVIE.swf --ticks N -o OUT.png\n"
           "      Draws frames (counted from 0) with the player's renderer; --ticks plays\n"
           "      the movie N steps from its start (scripts run, sprites move on) first.\n"
           "  glimmora-cli export PROJECT.gmr|MOVIE.swf -o OUT.mp4|.webm|.gif|.webp|.apng|.png|.html\n"
           "               [--size WxH | --scale S] [--frames A-B] [--quality Q] [--loop N]\n"
           "      Exports a video, an animated image, a PNG sequence (%d in the name) or an\n"
           "      offline web page. Frames count from 0; quality 1 to 100 (default 80);\n"
           "      --loop N plays an animated image N times (0, the default: for ever).\n"
#endif
        ;
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace glimmora::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "-h" || args[0] == "--help" || args[0] == "help") {
        PrintUsage(args.empty() ? std::cerr : std::cout);
        return args.empty() ? 2 : 0;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    try {
        if (command == "build") return RunBuildCommand(args);
        if (command == "import-picture") return RunImportPictureCommand(args);
        if (command == "swf-to-exe") return RunSwfToExeCommand(args);
        if (command == "exe-to-swf") return RunExeToSwfCommand(args);
#ifdef GLIMMORA_HAS_PLAYER
        if (command == "render") return RunRenderCommand(args);
        if (command == "export") return RunExportCommand(args);
#endif
        throw UsageError("unknown command '" + command + "'");
    } catch (const UsageError& e) {
        std::cerr << "glimmora-cli: " << e.what() << "\n\n";
        PrintUsage(std::cerr);
        return 2;
    } catch (const std::bad_alloc&) {
        std::cerr << "glimmora-cli: there is not enough memory for this\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "glimmora-cli: " << e.what() << '\n';
        return 1;
    }
}
