#include "writer/com/server/CachedReferences.h"

#include "writer/com/server/ModuleState.h"

namespace quillot::com {

std::uint32_t CachedReferences::Add() {
    const std::uint32_t count = ++m_count;
    if (count == 2) {
        ModuleState::Instance().Lock();
    }
    return count;
}

std::uint32_t CachedReferences::Remove() {
    const std::uint32_t count = --m_count;
    if (count == 1) {
        ModuleState::Instance().Unlock();
    }
    return count;
}

} // namespace quillot::com
