#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <mutex>

#include "writer/com/server/ModuleState.h"

namespace quillot::com {

// A fixed number of cached objects (class factories, type information), each
// made on first request and released when the library is unloaded.
template <class Object, std::size_t Count> class ObjectCache {
public:
    // The module state is made before the cache, so it is destroyed after it:
    // an object a client still holds gives its lock back there on release.
    ObjectCache() { ModuleState::Instance(); }

    // The object at `index`, made by `make` (which may give none) when it
    // is asked for the first time.
    template <class Make> Object* Get(std::size_t index, Make make) {
        std::lock_guard lock(m_mutex);
        auto& entry = m_entries[index];
        if (!entry) {
            entry.reset(make());
        }
        return entry.get();
    }

private:
    struct Release {
        void operator()(Object* object) const { object->Release(); }
    };

    std::mutex m_mutex;
    std::array<std::unique_ptr<Object, Release>, Count> m_entries;
};

} // namespace quillot::com
