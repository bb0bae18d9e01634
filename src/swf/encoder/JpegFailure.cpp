#include "swf/encoder/JpegFailure.h"

#include <cstring>

#include <jerror.h>

namespace glimmora::swf {

namespace {

JpegFailure& FailureOf(j_common_ptr object) { return *reinterpret_cast<JpegFailure*>(object->err); }

[[noreturn]] void JumpWithMessage(j_common_ptr object)
{
    JpegFailure& failure = FailureOf(object);
    (*failure.manager.format_message)(object, failure.message);
    std::longjmp(failure.jump, 1);
}

// Warnings that mean the data is damaged or cut off: the library would go on
// and pad the picture with grey, which must not pass for a good import.
bool DamageWarning(int code)
{
    switch (code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_PROGRESSION: return true;
    default: return false;
    }
}

void OnError(j_common_ptr object) { JumpWithMessage(object); }

void OnMessage(j_common_ptr object, int level)
{
    // Level -1 is a warning; the others are traces. Nothing goes to stderr.
    if (level < 0 && DamageWarning(object->err->msg_code)) JumpWithMessage(object);
}

}  // namespace

void InstallJpegFailure(j_common_ptr object, JpegFailure& failure)
{
    object->err = jpeg_std_error(&failure.manager);
    failure.manager.error_exit = OnError;
    failure.manager.emit_message = OnMessage;
    failure.message[0] = '\0';
}

void FailJpeg(j_common_ptr object, const char* message)
{
    JpegFailure& failure = FailureOf(object);
    std::snprintf(failure.message, sizeof failure.message, "%s", message);
    std::longjmp(failure.jump, 1);
}

}  // namespace glimmora::swf
