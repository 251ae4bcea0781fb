#pragma once

#include <cstdint>
#include <string>

#include "writer/interactive/ActionObject.h"
#include "writer/movie/HResult.h"

namespace quillot {

// A frame or button action. Each operation replaces the previous template.
class swfAction {
public:
    HRESULT MakeActionStop();
    HRESULT MakeActionPlay();
    HRESULT MakeActionGotoFrame(std::int32_t frame);
    // URLs and targets longer than 255 bytes are refused with E_INVALIDARG
    // and leave the previous template in place: cutting a URL short would
    // send the viewer somewhere else.
    HRESULT MakeActionGotoURL(const std::string& url);
    HRESULT MakeActionGotoURLTarget(const std::string& url, const std::string& target);

    std::int16_t Kind() const { return static_cast<std::int16_t>(m_template.GetKind()); }
    const ActionObject& Template() const { return m_template; }

private:
    HRESULT MakeUrlAction(const std::string& url, const std::string& target,
                          ActionObject::Kind kind);

    ActionObject m_template = ActionObject::GetUrl({}, {}, ActionObject::Kind::None);
};

} // namespace quillot
