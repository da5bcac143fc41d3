#include "platform/system/com.h"

#include <objbase.h>

namespace rublet {

ComApartment::ComApartment(Apartment apartment) noexcept
    : initialized_(SUCCEEDED(::CoInitializeEx(
          nullptr, apartment == Apartment::Multithreaded ? COINIT_MULTITHREADED : COINIT_APARTMENTTHREADED))) {}

ComApartment::~ComApartment() {
    if (initialized_) ::CoUninitialize();
}

}  // namespace rublet
