#include "app/cli/BatchJobs.h"

#include "app/cli/ExitCodes.h"
#include "app/cli/ScratchFolder.h"
#include "document/FileBytes.h"
#include "document/IntegerText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace glimmora::cli {

namespace {

constexpr int kMostJobs = 256;

std::string SelfPath()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) throw std::runtime_error("cannot find this program to run the jobs: " + error.message());
    return self.string();
}

struct Running {
    size_t index;
    std::filesystem::path out, err;
};

// Starts one job with its output going to two files; returns its process.
pid_t Start(const std::string& self, const BatchJob& job, const Running& files)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, files.out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, files.err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> words{self};
    words.insert(words.end(), job.args.begin(), job.args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, self.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) throw std::runtime_error(job.label + ": cannot start a build: " + std::strerror(failed));
    return pid;
}

// A job's exit code from its wait status; a job ended by a signal failed.
int ExitCodeOf(int status, const std::string& label, std::ostream& err)
{
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        err << "glimmora-cli: " << label << ": the build stopped (signal " << WTERMSIG(status) << ")\n";
    return kExitFailure;
}

}  // namespace

int RunBatch(const std::vector<BatchJob>& jobs, int parallel, std::ostream& out, std::ostream& err)
{
    const std::string self = SelfPath();
    ScratchFolder scratch;
    std::map<pid_t, Running> running;
    size_t next = 0, failed = 0, withProblems = 0;

    while (next < jobs.size() || !running.empty()) {
        while (next < jobs.size() && running.size() < size_t(parallel)) {
            const std::string stem = (scratch.Path() / std::to_string(next)).string();
            Running files{next, stem + ".out", stem + ".err"};
            const pid_t pid = Start(self, jobs[next], files);
            running.emplace(pid, files);
            ++next;
        }
        int status = 0;
        const pid_t pid = ::waitpid(-1, &status, 0);
        if (pid < 0) {
            if (errno == EINTR) continue;
            throw std::runtime_error(std::string("waiting for the builds failed: ") + std::strerror(errno));
        }
        const auto done = running.find(pid);
        if (done == running.end()) continue;
        const Running files = done->second;
        running.erase(done);

        const BatchJob& job = jobs[files.index];
        out << ReadFileBytes(files.out).value_or("") << std::flush;
        err << ReadFileBytes(files.err).value_or("");
        const int code = ExitCodeOf(status, job.label, err);
        err << std::flush;
        if (code == kExitWrittenWithProblems) ++withProblems;
        else if (code != kExitSuccess) ++failed;
    }

    const size_t written = jobs.size() - failed;
    out << written << " of " << jobs.size() << " movies written";
    if (withProblems) out << ", " << withProblems << " with problems";
    if (failed) out << "; " << failed << " failed";
    out << '\n';
    if (failed) return kExitFailure;
    return withProblems ? kExitWrittenWithProblems : kExitSuccess;
}

OptionSyntax JobsOption()
{
    return {{"-j", "--jobs"}, "N", "Builds N movies at once (default: one per processor)."};
}

int JobsWanted(const ParsedArgs& parsed)
{
    const std::optional<std::string> value = parsed.Option("-j");
    if (!value) return int(std::clamp(std::thread::hardware_concurrency(), 1u, unsigned(kMostJobs)));
    const std::optional<int> jobs = TryParseIntegerText(*value);
    if (!jobs || *jobs < 1 || *jobs > kMostJobs) throw UsageError("-j takes a number from 1 to 256, not '" + *value + "'");
    return *jobs;
}

}  // namespace glimmora::cli
