#pragma once

namespace joyvane {

class CardDocument;
class WriterPool;
class RandomSource;
class GenerationHost;

// What every object compiler works with; all of it belongs to the driver or
// its owner and outlives the compilers.
struct CompileContext {
    CardDocument& document;
    WriterPool& pool;
    RandomSource& random;
    GenerationHost& host;
};

} // namespace joyvane
