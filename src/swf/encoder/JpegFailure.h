#pragma once
// Error handling for libjpeg: a fatal error or a warning that means damaged
// data jumps back to the caller's setjmp with the library's message, instead
// of the library's default exit() or message on stderr.
//
// Use: keep the library object and a JpegFailure together in a struct owned
// by a caller that destroys the library object afterwards; in a function that
// has only trivially destructible locals, InstallJpegFailure, then
// `if (setjmp(failure.jump)) return false;` before any library call.

#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

namespace glimmora::swf {

struct JpegFailure {
    jpeg_error_mgr manager;  // first member: the library's err pointer is ours
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// Sets the object's error manager to `failure` and the handlers that jump.
void InstallJpegFailure(j_common_ptr object, JpegFailure& failure);

// Jumps with this message (for checks of our own during decoding).
[[noreturn]] void FailJpeg(j_common_ptr object, const char* message);

}  // namespace glimmora::swf
