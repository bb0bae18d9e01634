// glimmora-cli build: the movies of one or several projects, or of a
// template filled from the rows of a CSV table, several at once.

#include "app/cli/Commands.h"

#include "app/cli/BatchJobs.h"
#include "app/cli/ConsoleReporter.h"
#include "app/cli/DataMerge.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/ProjectBuild.h"
#include "tools/files/SourceFile.h"

#include <filesystem>
#include <iostream>
#include <map>

namespace glimmora::cli {

namespace {

namespace fs = std::filesystem;

// `source` names the project (and row) in the messages.
int BuildOne(const fs::path& project, const fs::path& target, const std::string& source,
             const std::function<void(IXMLMovie&)>& edit = {})
{
    tools::RefuseToOverwrite(target, project, "project");
    ConsoleReporter reporter(source);
    BuildProjectMovie(project, target, reporter, edit);
    if (reporter.count > 0) {
        std::cout << "Movie written with " << reporter.count << " problem(s) to " << target.string() << '\n';
        return kExitWrittenWithProblems;
    }
    std::cout << "Movie written to " << target.string() << '\n';
    return kExitSuccess;
}

std::optional<fs::path> OutputFolder(const ParsedArgs& parsed)
{
    const std::optional<std::string> folder = parsed.Option("--output-dir");
    if (!folder) return std::nullopt;
    std::error_code error;
    if (!fs::is_directory(*folder, error)) throw UsageError("--output-dir " + *folder + " is no folder");
    return fs::absolute(*folder);
}

int BuildProjects(const ParsedArgs& parsed)
{
    const std::vector<std::string>& projects = parsed.positional;
    if (projects.empty()) throw UsageError("build takes one project file or more");
    const std::optional<fs::path> folder = OutputFolder(parsed);
    const std::optional<std::string> output = parsed.Option("-o");
    if (output && projects.size() > 1)
        throw UsageError("-o names one movie; the movies of several projects go beside them, or into --output-dir");

    std::vector<fs::path> targets;
    std::map<fs::path, std::string> taken;
    for (const std::string& project : projects) {
        fs::path target = fs::path(project).replace_extension(".swf");
        if (folder) target = *folder / target.filename();
        if (output) target = *output;
        target = fs::absolute(target).lexically_normal();
        if (const auto [it, fresh] = taken.emplace(target, project); !fresh)
            throw UsageError(it->second + " and " + project + " would both write " + target.string());
        targets.push_back(target);
    }
    if (projects.size() == 1) return BuildOne(projects[0], targets[0], projects[0]);

    std::vector<BatchJob> jobs;
    for (size_t i = 0; i < projects.size(); ++i)
        jobs.push_back({projects[i], {"build", projects[i], "-o", targets[i].string()}});
    return RunBatch(jobs, JobsWanted(parsed), std::cout, std::cerr);
}

int BuildRows(const ParsedArgs& parsed)
{
    if (parsed.positional.size() != 1) throw UsageError("build --data takes one template project");
    const fs::path templateFile = parsed.positional[0];
    const fs::path csv = *parsed.Option("--data");
    MergePlan plan = PlanMerge(templateFile, csv, parsed.Option("--name-column"), parsed.Option("--row"),
                               OutputFolder(parsed));
    if (const auto output = parsed.Option("-o")) {
        if (plan.rows.size() != 1) throw UsageError("-o names one movie; choose one row with --row N");
        plan.rows[0].target = fs::absolute(*output);
    }
    if (plan.rows.size() == 1) {
        const MergePlan::Row& row = plan.rows[0];
        return BuildOne(templateFile, row.target, templateFile.string() + ", " + row.label,
                        [&](IXMLMovie& movie) { FillRow(movie, plan, row); });
    }

    std::vector<BatchJob> jobs;
    const std::string nameColumn = plan.table.columns[size_t(plan.nameColumn)];
    for (const MergePlan::Row& row : plan.rows) {
        jobs.push_back({row.label,
                        {"build", fs::absolute(templateFile).string(), "--data", fs::absolute(csv).string(), "--row",
                         std::to_string(row.index + 1), "--name-column", nameColumn, "-o", row.target.string()}});
    }
    return RunBatch(jobs, JobsWanted(parsed), std::cout, std::cerr);
}

int RunBuild(const ParsedArgs& parsed)
{
    if (!parsed.Option("--data")) {
        for (const char* option : {"--row", "--name-column"})
            if (parsed.Option(option)) throw UsageError(std::string(option) + " goes with --data");
        return BuildProjects(parsed);
    }
    return BuildRows(parsed);
}

}  // namespace

CommandSyntax BuildCommand()
{
    CommandSyntax syntax;
    syntax.name = "build";
    syntax.usage = {"PROJECT.gmr... [-o OUT.swf | --output-dir DIR] [-j N]",
                  "TEMPLATE.gmr --data ROWS.csv [--name-column COLUMN] [--row N|A-B] [--output-dir DIR] [-j N]"};
    syntax.summary = "Generates the movies of projects, or of a template filled from a table.";
    syntax.description =
        "Generates each movie with the same builder the editor uses. Pictures and sounds are found beside "
        "the project, named after their objects (Pic_1.jpg, Sound_1.wav). The project file itself is never "
        "changed. Several projects are built at once, one per processor (or -j N), each in a working copy "
        "of its own; each movie goes beside its project as PROJECT.swf, or into --output-dir.\n"
        "\n"
        "With --data, one movie is made per row of a CSV table (the first line names the columns): each "
        "column is named after a text object of the template and fills that text's content; the first "
        "column (or --name-column) names the row's movie, which goes beside the template (or into "
        "--output-dir) as NAME.swf. The template is not changed.\n"
        "\n"
        "  glimmora-cli build card.gmr --data guests.csv --output-dir cards -j 4\n"
        "\n"
        "Each row is a job of its own, so a run larger than one machine can hand the rows to a scheduler "
        "(glimmora-cli installed on every machine, the files in a folder they all see). GNU parallel over "
        "ssh, one row per job:\n"
        "\n"
        "  parallel -S host1,host2 --wd . glimmora-cli build card.gmr \\\n"
        "      --data guests.csv --row {} --output-dir cards ::: $(seq 1 500)\n"
        "\n"
        "A Slurm job array, one row per task (sbatch cards.sh):\n"
        "\n"
        "  #!/bin/sh\n"
        "  #SBATCH --array=1-500\n"
        "  glimmora-cli build card.gmr --data guests.csv \\\n"
        "      --row \"$SLURM_ARRAY_TASK_ID\" --output-dir cards\n"
        "\n"
        "With several movies the exit code is 1 when one failed, else 3 when one had problems.";
    syntax.options = {
        OutputOption("Where the movie goes (one project or one row; default: beside the project, as PROJECT.swf)."),
        {{"--output-dir"}, "DIR", "The folder the movies go into.", WordKind::Directory},
        JobsOption(),
        {{"--data"}, "ROWS.csv", "Builds one movie per row of this table from the template.", WordKind::Table},
        {{"--name-column"}, "COLUMN", "The column that names each row's movie (default: the first)."},
        {{"--row"}, "N|A-B", "Builds only row N (or rows A to B), counted from 1 below the column names."},
    };
    syntax.arguments = {WordKind::Project};
    syntax.repeatLast = true;
    syntax.group = CommandGroup::Movies;
    syntax.run = RunBuild;
    return syntax;
}

}  // namespace glimmora::cli
