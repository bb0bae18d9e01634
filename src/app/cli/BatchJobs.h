#pragma once
// Several builds at once: each job is a run of this program in a process of
// its own (its own working copy, its own failure), at most N at a time. The
// output of a job is printed as one block when the job ends, so that the
// lines of jobs never mix.

#include "app/cli/CommandSyntax.h"

#include <ostream>
#include <string>
#include <vector>

namespace glimmora::cli {

struct BatchJob {
    std::string label;              // names the job in messages ("a.gmr", "row 3")
    std::vector<std::string> args;  // this program's arguments for the job
};

// Runs the jobs with at most `parallel` at once and prints a summary line.
// Returns 1 when a job failed, else 3 when a job had problems, else 0.
int RunBatch(const std::vector<BatchJob>& jobs, int parallel, std::ostream& out, std::ostream& err);

// "-j N, --jobs N".
OptionSyntax JobsOption();

// The option's value, or the number of processors; throws UsageError for a
// value that is not a number from 1 to 256.
int JobsWanted(const ParsedArgs& parsed);

}  // namespace glimmora::cli
