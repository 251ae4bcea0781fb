#pragma once

#include "writer/com/automation/IswfAction.h"
#include "writer/com/server/DispatchComponent.h"
#include "writer/interactive/swfAction.h"

namespace quillot::com {

// The swfAction class: IswfAction over the writer's action template.
class ActionComponent final
    : public DispatchComponent<ActionComponent, IswfAction, IID_IswfAction, CLSID_swfAction> {
public:
    explicit ActionComponent(IUnknown* outer) : DispatchComponent(outer) {}

    HRESULT MakeActionStop() override;
    HRESULT MakeActionPlay() override;
    HRESULT MakeActionGotoFrame(std::int32_t frame) override;
    HRESULT MakeActionGotoURL(BSTR url) override;
    HRESULT MakeActionGotoURLTarget(BSTR url, BSTR target) override;

    swfAction& Action() { return m_action; }

private:
    swfAction m_action;
};

} // namespace quillot::com
