#include "editor/generation/PlacementSpan.h"

#include "editor/generation/WriterPool.h"

namespace joyvane {

void PlaceBetween(WriterPool& pool, PoolObject object, std::int32_t startFrame,
                  std::int32_t endFrame) {
    pool.GotoFrame(startFrame);
    pool.AddObject(object);
    if (endFrame < 0)
        return;
    pool.GotoFrame(endFrame);
    pool.RemoveObject(object);
}

} // namespace joyvane
