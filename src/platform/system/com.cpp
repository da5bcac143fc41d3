#include "platform/system/com.h"

#include <objbase.h>

namespace rublet {

ComApartment::ComApartment() noexcept
    : initialized_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

ComApartment::~ComApartment() {
    if (initialized_) ::CoUninitialize();
}

}  // namespace rublet
