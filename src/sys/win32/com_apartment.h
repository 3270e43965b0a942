#pragma once
// COM for the calling thread, apartment-threaded, for as long as this
// lives. The shell's folder browser walks network shares through COM; on
// Windows it needs the apartment its thread belongs to, which Wine lets
// slide.

#include <windows.h>

namespace corvina::win32 {

class ComApartment {
public:
    ComApartment() noexcept;
    // Leaves the apartment only when this object joined it.
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // False when the thread belonged to another kind of apartment already.
    bool Joined() const noexcept { return joined_; }

private:
    bool joined_;
};

}  // namespace corvina::win32
