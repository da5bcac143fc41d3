#pragma once
// COM for the calling thread, for as long as the object lives.

namespace rublet {

enum class Apartment {
    // The window's thread, and a worker that makes windows of its own (the
    // shell's progress and questions), which its message loops serve.
    SingleThreaded,
    // A worker that makes no window: nothing has to pump its messages.
    Multithreaded,
};

class ComApartment {
public:
    explicit ComApartment(Apartment apartment = Apartment::SingleThreaded) noexcept;
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment();

private:
    bool initialized_;
};

}  // namespace rublet
