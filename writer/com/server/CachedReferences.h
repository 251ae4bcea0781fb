#pragma once

#include <atomic>
#include <cstdint>

namespace quillot::com {

// The reference count of an object the library keeps in a cache (class
// factories, type information). The cache holds the first reference; every
// further one is a client's, and while a client holds one the library must
// stay loaded, so it counts as a lock on the library.
class CachedReferences {
public:
    std::uint32_t Add();
    // Returns the count left; the owner destroys the object at 0.
    std::uint32_t Remove();

private:
    std::atomic<std::uint32_t> m_count{1};
};

} // namespace quillot::com
