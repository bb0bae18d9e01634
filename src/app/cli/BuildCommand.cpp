#include "app/cli/Commands.h"

#include "app/cli/CommandLine.h"
#include "app/cli/ConsoleReporter.h"
#include "app/cli/ProjectBuild.h"
#include "tools/files/SourceFile.h"

#include <filesystem>
#include <iostream>

namespace glimmora::cli {

int RunBuildCommand(const std::vector<std::string>& args)
{
    const ParsedArgs parsed = ParseArgs(args, {"-o", "--output"});
    if (parsed.positional.size() != 1) throw UsageError("build takes one project file");
    const std::filesystem::path project = parsed.positional[0];
    std::filesystem::path target = parsed.Option("-o").value_or(parsed.Option("--output").value_or(""));
    if (target.empty()) target = std::filesystem::path(project).replace_extension(".swf");
    target = std::filesystem::absolute(target);

    tools::RefuseToOverwrite(target, project, "project");
    ConsoleReporter reporter(project.string());
    BuildProjectMovie(project, target, reporter);
    if (reporter.count > 0) {
        std::cout << "Movie written with " << reporter.count << " problem(s) to " << target.string() << '\n';
        return kExitWrittenWithProblems;
    }
    std::cout << "Movie written to " << target.string() << '\n';
    return 0;
}

}  // namespace glimmora::cli
