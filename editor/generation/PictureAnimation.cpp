#include "editor/generation/PictureAnimation.h"

#include "editor/generation/ArgumentConversion.h"
#include "editor/generation/RandomSource.h"
#include "editor/generation/WriterPool.h"

namespace joyvane {

namespace {

constexpr double kFixedOne = 65536.0;
constexpr double kStepCount = PictureAnimation::kSteps + 1;
constexpr double kTurns = 1;
// A shake draws a whole number of pixels below this, times the steps left.
constexpr int kShakeAmplitude = 5;

} // namespace

PictureAnimation::PictureAnimation(WriterPool& pool, RandomSource& random,
                                   const PictureEffect& effect, const PictureGeometry& geometry)
    : m_pool(pool), m_random(random), m_effect(effect), m_geometry(geometry) {}

void PictureAnimation::Run(std::int32_t startFrame) {
    if (m_effect.centreFirst)
        m_pool.Translate(kPictureObject, m_geometry.CentreX() * 20, m_geometry.CentreY() * 20);
    for (int step = 0; step <= kSteps; ++step)
        Step(startFrame, step);
}

void PictureAnimation::Step(std::int32_t startFrame, int step) {
    m_pool.GotoFrame(startFrame + 0.0 + step);
    if (step > 0)
        m_pool.RemoveObject(kPictureObject);
    const double factor = ScaleFactor(step) * kFixedOne;
    switch (m_effect.stretch) {
    case Stretch::None: break;
    case Stretch::Both: m_pool.Scale(kPictureObject, factor, factor); break;
    case Stretch::Width: m_pool.Scale(kPictureObject, factor, kFixedOne); break;
    case Stretch::Height: m_pool.Scale(kPictureObject, kFixedOne, factor); break;
    }
    if (m_effect.translateEachStep) {
        const PictureGeometry& g = m_geometry;
        const bool shaking = m_effect.modifier == PictureModifier::Shake;
        if (shaking)
            m_random.Reseed();
        double x = RoundHalfToEven(Position(m_effect.x, step, g.stageWidth, g.width, g.CentreX()));
        double y =
            RoundHalfToEven(Position(m_effect.y, step, g.stageHeight, g.height, g.CentreY()));
        if (shaking && m_effect.x != AxisMotion::Centred)
            x += Shake(step);
        if (shaking && m_effect.y != AxisMotion::Centred)
            y += Shake(step);
        m_pool.Translate(kPictureObject, x, y);
    }
    if (m_effect.modifier == PictureModifier::Turn)
        m_pool.Rotate(kPictureObject, (step + 1) / kStepCount * kFixedOne * 360 * kTurns);
    m_pool.AddObject(kPictureObject);
}

double PictureAnimation::ScaleFactor(int step) const {
    return m_effect.growing ? (step + 1) / kStepCount : (kSteps - step) / kStepCount;
}

double PictureAnimation::Position(AxisMotion motion, int step, double stage, double size,
                                  double centre) const {
    const double shrunk = 1 - ScaleFactor(step);
    switch (motion) {
    case AxisMotion::Centred: return centre * 20;
    case AxisMotion::FromFarEdge: return stage / kStepCount * (kSteps - step) * 20;
    case AxisMotion::TowardsFarEdge: return stage / kStepCount * (step + 1) * 20;
    case AxisMotion::FromBeforeStage: return (stage / kStepCount * (step + 1) - size) * 20;
    case AxisMotion::LowEdgeFixed: return (centre - shrunk * size / 2) * 20;
    case AxisMotion::HighEdgeFixed: return (centre + shrunk * size / 2) * 20;
    }
    return 0;
}

double PictureAnimation::Shake(int step) {
    return m_random.Next(kShakeAmplitude) * 20.0 * (kSteps - step);
}

} // namespace joyvane
