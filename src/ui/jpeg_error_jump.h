#pragma once
// libjpeg reports a fatal error by calling error_exit, which must not
// return. Throwing from it would unwind through libjpeg's C frames, so it
// jumps back instead, to the stage function that set the jump; that frame
// holds nothing with a destructor, and its caller turns the jump into its
// own kind of failure.

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace corvina::ui {

struct JpegErrorJump {
    jpeg_error_mgr base;  // first, so that libjpeg's pointer is also ours
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" {
// The error_exit of a JpegErrorJump: keeps the message, then jumps.
inline void JumpOnJpegError(j_common_ptr info) {
    auto* errors = reinterpret_cast<JpegErrorJump*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}
}

}  // namespace corvina::ui
