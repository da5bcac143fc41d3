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

// OLE for the window's thread, for as long as the object lives: COM in a
// single-threaded apartment, and the drag and drop that a window's drop
// target takes part in.
class OleThread {
public:
    OleThread() noexcept;
    OleThread(const OleThread&) = delete;
    OleThread& operator=(const OleThread&) = delete;
    ~OleThread();

private:
    bool initialized_;
};

}  // namespace rublet
