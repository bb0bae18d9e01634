#include "support/DeadProcess.h"

#include <sys/wait.h>
#include <unistd.h>

namespace glimmora::test {

pid_t DeadProcessId()
{
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

}  // namespace glimmora::test
