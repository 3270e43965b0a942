#pragma once
// Whether the menu could show a picture file: the same kinds, told by the
// same first bytes, and JPEG data decoded through by libjpeg. Portable: the
// checker runs natively too.

#include <optional>
#include <string>
#include <string_view>

namespace corvina {

// Why not, in English; nothing when the picture can be shown.
std::optional<std::string> PictureProblem(std::string_view bytes);

}  // namespace corvina
