#pragma once

#include <cstdint>
#include <mutex>
#include <unordered_map>

#include "writer/com/automation/Guid.h"

namespace quillot::com {

// What the library knows about its own use: its live objects and the locks
// clients hold on it. The library may be unloaded only while both are zero.
// The list of live objects also lets the library tell its own objects from
// foreign ones that merely claim to be its own.
class ModuleState {
public:
    // Caches of objects that give their locks back here when they are
    // destroyed ask for the state before they are made, so that it is made
    // first and destroyed last.
    static ModuleState& Instance();

    void ObjectCreated(const void* object, REFCLSID classId);
    void ObjectDestroyed(const void* object);
    // Whether `object` is a live object of the class `classId`.
    bool IsLiveObject(const void* object, REFCLSID classId) const;

    void Lock();
    void Unlock();

    bool CanUnload() const;

private:
    mutable std::mutex m_mutex;
    std::unordered_map<const void*, GUID> m_liveObjects;
    std::uint32_t m_locks = 0;
};

} // namespace quillot::com
