#include "support/ProcessRunner.h"

#include "support/TempDir.h"
#include "support/TestPaths.h"

#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace glimmora::test {

namespace {

std::string ShellQuote(const std::string& s)
{
    std::string out = "'";
    for (char c : s) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

std::string ReadAll(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv)
{
    TempDir dir;
    std::string command;
    for (const auto& a : argv) command += ShellQuote(a) + " ";
    command += "</dev/null >" + ShellQuote((dir / "out").string()) + " 2>" + ShellQuote((dir / "err").string());
    const int status = std::system(command.c_str());
    ProcessResult result;
    result.exitCode = (status != -1 && WIFEXITED(status)) ? WEXITSTATUS(status) : -1;
    result.out = ReadAll(dir / "out");
    result.err = ReadAll(dir / "err");
    return result;
}

ProcessResult RunPlayerFor(int frames, const std::vector<std::string>& argv)
{
    std::vector<std::string> command = {"env", "QT_QPA_PLATFORM=offscreen", "GLIMMORA_NO_AUDIO=1",
                                        "GLIMMORA_PLAYER_QUIT_AFTER=" + std::to_string(frames), "timeout", "60"};
    command.insert(command.end(), argv.begin(), argv.end());
    return RunProcess(command);
}

std::filesystem::path ProgramPath(const std::string& name)
{
    return std::filesystem::path(GLIMMORA_PROGRAM_DIR) / name;
}

}  // namespace glimmora::test
