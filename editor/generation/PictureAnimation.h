#pragma once

#include "editor/generation/PictureEffect.h"

#include <cstdint>

namespace joyvane {

class WriterPool;
class RandomSource;

// Sizes in pixels of a picture and of the stage it moves on.
struct PictureGeometry {
    std::int32_t width;
    std::int32_t height;
    std::int32_t stageWidth;
    std::int32_t stageHeight;

    // The offsets that centre the picture on the stage.
    double CentreX() const { return (stageWidth - width) / 2.0; }
    double CentreY() const { return (stageHeight - height) / 2.0; }
};

// The 31 frames of a Move, Zoom or Come effect, from the start frame on.
// Every step places the picture anew with its scale, translation (an offset
// from the picture's own position, in twips) and turn, and takes away the
// previous step's placement; the last placement stays.
class PictureAnimation {
public:
    static constexpr int kSteps = 30;

    PictureAnimation(WriterPool& pool, RandomSource& random, const PictureEffect& effect,
                     const PictureGeometry& geometry);

    void Run(std::int32_t startFrame);

private:
    void Step(std::int32_t startFrame, int step);
    double ScaleFactor(int step) const;
    double Position(AxisMotion motion, int step, double stage, double size, double centre) const;
    // The shake of one moving coordinate: up to 120 pixels, dying out by
    // the last step.
    double Shake(int step);

    WriterPool& m_pool;
    RandomSource& m_random;
    const PictureEffect& m_effect;
    PictureGeometry m_geometry;
};

} // namespace joyvane
