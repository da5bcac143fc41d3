#include "platform/system/com.h"

#include <objbase.h>
#include <ole2.h>

namespace rublet {

ComApartment::ComApartment(Apartment apartment) noexcept
    : initialized_(SUCCEEDED(::CoInitializeEx(
          nullptr, apartment == Apartment::Multithreaded ? COINIT_MULTITHREADED : COINIT_APARTMENTTHREADED))) {}

ComApartment::~ComApartment() {
    if (initialized_) ::CoUninitialize();
}

OleThread::OleThread() noexcept : initialized_(SUCCEEDED(::OleInitialize(nullptr))) {}

OleThread::~OleThread() {
    if (initialized_) ::OleUninitialize();
}

}  // namespace rublet
