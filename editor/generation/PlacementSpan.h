#pragma once

#include "editor/generation/PoolObject.h"

#include <cstdint>

namespace joyvane {

class WriterPool;

// Places the object at `startFrame` and takes it away at `endFrame`. An end
// frame below 0 (the panes store one for an end of 0 or -1) names no frame
// of the movie, so the object is then never taken away.
void PlaceBetween(WriterPool& pool, PoolObject object, std::int32_t startFrame,
                  std::int32_t endFrame);

} // namespace joyvane
