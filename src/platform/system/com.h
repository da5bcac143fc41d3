#pragma once
// COM for the thread, for the picture loader.

namespace rublet {

class ComApartment {
public:
    ComApartment() noexcept;
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment();

private:
    bool initialized_;
};

}  // namespace rublet
