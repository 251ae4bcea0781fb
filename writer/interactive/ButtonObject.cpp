#include "writer/interactive/ButtonObject.h"

#include <algorithm>

#include "writer/interactive/ActionObject.h"
#include "writer/interactive/DefineButton2Tag.h"

namespace quillot {

namespace {
constexpr std::array<ButtonRecord::State, 4> kStates = {ButtonRecord::Up, ButtonRecord::Over,
                                                        ButtonRecord::Down, ButtonRecord::HitTest};
}

ButtonObject::ButtonObject(Parts parts, StateTerms terms)
    : m_parts(std::move(parts)), m_terms(terms) {}

std::unique_ptr<ButtonObject> ButtonObject::WithFourShapes(Parts parts) {
    return std::unique_ptr<ButtonObject>(new ButtonObject(std::move(parts), {}));
}

std::unique_ptr<ButtonObject> ButtonObject::WithColorChanges(std::shared_ptr<WriterObject> part,
                                                             const ColorAddTerms& highlight,
                                                             const ColorAddTerms& pressed) {
    return std::unique_ptr<ButtonObject>(
        new ButtonObject({part, part, part, part}, {std::nullopt, highlight, pressed, highlight}));
}

void ButtonObject::QueueEvent(const ActionObject& action, std::int32_t event) {
    m_condition.AddEvent(event);
    action.AddToCondition(m_condition);
    Invalidate();
}

void ButtonObject::AddToFrame(Frame& frame) {
    if (!IsDefined()) {
        Define(frame);
    }
    PlaceOnFrame(frame);
}

void ButtonObject::Define(Frame& frame) {
    std::vector<ButtonRecord> records;
    for (std::size_t state = 0; state < kStates.size(); ++state) {
        WriterObject& part = *m_parts[state];
        // A part shown in several states is defined once.
        const auto earlier = m_parts.begin() + static_cast<std::ptrdiff_t>(state);
        if (std::find(m_parts.begin(), earlier, m_parts[state]) == earlier) {
            part.SetNoPlacement();
            part.AddToFrame(frame);
        }
        ButtonRecord record{kStates[state], part.CharacterId(), {}, m_terms[state]};
        if (part.HasTransform()) {
            record.matrix = part.MakePlacementMatrix().value_or(SwfMatrix{});
        }
        records.push_back(record);
    }
    auto tag = std::make_unique<DefineButton2Tag>(std::move(records), m_condition);
    MarkDefined(tag->CharacterId());
    frame.Append(std::move(tag));
}

} // namespace quillot
