#include "app/cli/ExitCodes.h"

namespace glimmora::cli {

const std::vector<ExitCodeMeaning>& ExitCodeMeanings()
{
    static const std::vector<ExitCodeMeaning> meanings = {
        {kExitSuccess, "Done: the files were written."},
        {kExitFailure, "Nothing was written: the error is printed. With several projects: at least one failed."},
        {kExitUsage, "The command line is wrong: the usage is printed."},
        {kExitWrittenWithProblems,
         "The movie was written, but some pictures or sounds could not be used (the messages say which)."},
    };
    return meanings;
}

}  // namespace glimmora::cli
