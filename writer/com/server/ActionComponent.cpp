#include "writer/com/server/ActionComponent.h"

#include "writer/com/server/ComponentArguments.h"

namespace quillot::com {

HRESULT ActionComponent::MakeActionStop() { return m_action.MakeActionStop(); }

HRESULT ActionComponent::MakeActionPlay() { return m_action.MakeActionPlay(); }

HRESULT ActionComponent::MakeActionGotoFrame(std::int32_t frame) {
    return m_action.MakeActionGotoFrame(frame);
}

HRESULT ActionComponent::MakeActionGotoURL(BSTR url) {
    std::string text;
    const HRESULT status = ToText(url, text);
    return Failed(status) ? status : m_action.MakeActionGotoURL(text);
}

HRESULT ActionComponent::MakeActionGotoURLTarget(BSTR url, BSTR target) {
    std::string urlText;
    std::string targetText;
    const HRESULT status = ToTexts(url, urlText, target, targetText);
    return Failed(status) ? status : m_action.MakeActionGotoURLTarget(urlText, targetText);
}

} // namespace quillot::com
