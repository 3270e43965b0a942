#include "sys/win32/com_apartment.h"

#include <objbase.h>

namespace corvina::win32 {

ComApartment::ComApartment() noexcept
    : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}

ComApartment::~ComApartment() {
    if (joined_) CoUninitialize();
}

}  // namespace corvina::win32
