#pragma once

#include <array>
#include <memory>
#include <optional>

#include "writer/interactive/ButtonCondition.h"
#include "writer/interactive/ButtonRecord.h"
#include "writer/objects/WriterObject.h"

namespace quillot {

class ActionObject;

// A button made of shapes: one per state (up, over, down, hit), or one shape
// for all states tinted by colour terms. Its parts are defined with it and
// are no longer placed on their own. Actions queued after the button was
// defined make the next addition define it again, so none is lost.
class ButtonObject : public WriterObject {
public:
    using Parts = std::array<std::shared_ptr<WriterObject>, 4>;

    static std::unique_ptr<ButtonObject> WithFourShapes(Parts parts);
    // `highlight` tints the over and hit states, `pressed` the down state.
    static std::unique_ptr<ButtonObject> WithColorChanges(std::shared_ptr<WriterObject> part,
                                                          const ColorAddTerms& highlight,
                                                          const ColorAddTerms& pressed);

    void QueueEvent(const ActionObject& action, std::int32_t event);
    void AddToFrame(Frame& frame) override;

private:
    using StateTerms = std::array<std::optional<ColorAddTerms>, 4>;

    ButtonObject(Parts parts, StateTerms terms);
    void Define(Frame& frame);

    Parts m_parts;
    StateTerms m_terms;
    ButtonCondition m_condition;
};

} // namespace quillot
