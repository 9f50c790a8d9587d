#pragma once
// Objects this process gives up on purpose and never destroys, because
// destroying them would call into a MIDI system that has gone (see
// RtMidiHandle). They are kept in a list that is never destroyed either,
// so that they stay reachable: a leak checker does not count them, and
// whoever reads a heap dump finds them in one place.
#include <memory>
#include <mutex>
#include <vector>

namespace mm {

template <typename T>
void Abandon(std::unique_ptr<T> object) {
    static std::mutex* mutex = new std::mutex;
    static std::vector<void*>* kept = new std::vector<void*>;
    if (!object)
        return;
    std::lock_guard lock(*mutex);
    kept->push_back(object.release());
}

} // namespace mm
