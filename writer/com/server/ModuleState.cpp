#include "writer/com/server/ModuleState.h"

namespace quillot::com {

ModuleState& ModuleState::Instance() {
    static ModuleState state;
    return state;
}

void ModuleState::ObjectCreated(const void* object, REFCLSID classId) {
    std::lock_guard lock(m_mutex);
    m_liveObjects.emplace(object, classId);
}

void ModuleState::ObjectDestroyed(const void* object) {
    std::lock_guard lock(m_mutex);
    m_liveObjects.erase(object);
}

bool ModuleState::IsLiveObject(const void* object, REFCLSID classId) const {
    std::lock_guard lock(m_mutex);
    const auto found = m_liveObjects.find(object);
    return found != m_liveObjects.end() && found->second == classId;
}

void ModuleState::Lock() {
    std::lock_guard lock(m_mutex);
    ++m_locks;
}

void ModuleState::Unlock() {
    std::lock_guard lock(m_mutex);
    if (m_locks > 0) {
        --m_locks;
    }
}

bool ModuleState::CanUnload() const {
    std::lock_guard lock(m_mutex);
    return m_liveObjects.empty() && m_locks == 0;
}

} // namespace quillot::com
