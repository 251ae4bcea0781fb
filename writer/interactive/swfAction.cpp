#include "writer/interactive/swfAction.h"

namespace quillot {

HRESULT swfAction::MakeActionStop() {
    m_template = ActionObject::Stop();
    return S_OK;
}

HRESULT swfAction::MakeActionPlay() {
    m_template = ActionObject::Play();
    return S_OK;
}

HRESULT swfAction::MakeActionGotoFrame(std::int32_t frame) {
    m_template = ActionObject::GotoFrame(frame);
    return S_OK;
}

HRESULT swfAction::MakeActionGotoURL(const std::string& url) {
    return MakeUrlAction(url, {}, ActionObject::Kind::GetUrl);
}

HRESULT swfAction::MakeActionGotoURLTarget(const std::string& url, const std::string& target) {
    return MakeUrlAction(url, target, ActionObject::Kind::GetUrlTarget);
}

HRESULT swfAction::MakeUrlAction(const std::string& url, const std::string& target,
                                 ActionObject::Kind kind) {
    if (url.size() > ActionObject::kMaxTextBytes || target.size() > ActionObject::kMaxTextBytes) {
        return E_INVALIDARG;
    }
    m_template = ActionObject::GetUrl(url, target, kind);
    return S_OK;
}

} // namespace quillot
