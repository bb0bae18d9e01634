#pragma once
// The process id of a process that has ended, for leftovers of killed writers.

#include <sys/types.h>

namespace glimmora::test {

pid_t DeadProcessId();

}  // namespace glimmora::test
