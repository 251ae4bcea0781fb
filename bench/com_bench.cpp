// The price of late binding: one call by name (name lookup, then Invoke
// with variant arguments) against the same call through the C++ interface,
// for a cheap operation (Translate) and one that appends a tag (AddObject).
// The cached variants look the name up once, as clients that call the same
// operation many times do.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "writer/com/automation/IClassFactory.h"
#include "writer/com/automation/IDispatch.h"
#include "writer/com/automation/Identifiers.h"
#include "writer/com/automation/Variant.h"
#include "writer/com/client/ComponentLibrary.h"
#include "writer/movie/swfMovie.h"
#include "writer/objects/swfObject.h"

using namespace quillot::com;

namespace {

// AddObject appends a tag per call, so its runs are bounded.
constexpr benchmark::IterationCount kAdditions = 200000;

const ComponentLibrary& Library() {
    static std::unique_ptr<ComponentLibrary> library = [] {
        std::string error;
        auto loaded = ComponentLibrary::Load(JOYVANE_BIN_DIR "/libquillot.so", error);
        if (!loaded) {
            throw std::runtime_error(error);
        }
        return loaded;
    }();
    return *library;
}

IDispatch* Create(const GUID& classId) {
    IClassFactory* factory = nullptr;
    Library().GetClassObject(classId, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    IDispatch* object = nullptr;
    factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&object));
    factory->Release();
    return object;
}

DISPID IdOf(IDispatch* object, const char* name) {
    DISPID id = DISPID_UNKNOWN;
    object->GetIDsOfNames(&name, 1, &id);
    return id;
}

// Calls `name` with arguments given last first; `cachedId` skips the lookup.
void CallByName(IDispatch* object, const char* name, VARIANT* reversedArguments,
                std::uint32_t count, DISPID cachedId = DISPID_UNKNOWN) {
    const DISPID id = cachedId == DISPID_UNKNOWN ? IdOf(object, name) : cachedId;
    DISPPARAMS params{reversedArguments, nullptr, count, 0};
    benchmark::DoNotOptimize(object->Invoke(id, DISPATCH_METHOD, &params, nullptr, nullptr));
}

IDispatch* MadeRectangle() {
    IDispatch* rectangle = Create(CLSID_swfObject);
    VARIANT bounds[] = {Int32Variant(100), Int32Variant(100), Int32Variant(0), Int32Variant(0)};
    CallByName(rectangle, "MakeRectangle", bounds, 4);
    return rectangle;
}

void BM_TranslateDirect(benchmark::State& state) {
    quillot::swfObject rectangle;
    rectangle.MakeRectangle(0, 0, 100, 100);
    int x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rectangle.Translate(++x, 7));
    }
}

void BM_TranslateLateBound(benchmark::State& state) {
    IDispatch* rectangle = MadeRectangle();
    const DISPID cached = state.range(0) ? IdOf(rectangle, "Translate") : DISPID_UNKNOWN;
    // Reals, as a caller that computes positions passes them.
    VARIANT arguments[] = {RealVariant(7.5), RealVariant(0)};
    for (auto _ : state) {
        arguments[1].dblVal += 1;
        CallByName(rectangle, "Translate", arguments, 2, cached);
    }
    rectangle->Release();
}

void BM_AddObjectDirect(benchmark::State& state) {
    quillot::swfMovie movie;
    quillot::swfObject rectangle;
    rectangle.MakeRectangle(0, 0, 100, 100);
    for (auto _ : state) {
        benchmark::DoNotOptimize(movie.AddObject(&rectangle));
    }
}

void BM_AddObjectLateBound(benchmark::State& state) {
    IDispatch* movie = Create(CLSID_swfMovie);
    IDispatch* rectangle = MadeRectangle();
    const DISPID cached = state.range(0) ? IdOf(movie, "AddObject") : DISPID_UNKNOWN;
    VARIANT argument = UnknownVariant(rectangle);
    for (auto _ : state) {
        CallByName(movie, "AddObject", &argument, 1, cached);
    }
    VariantClear(argument);
    rectangle->Release();
    movie->Release();
}

BENCHMARK(BM_TranslateDirect);
BENCHMARK(BM_TranslateLateBound)->ArgName("cachedId")->Arg(0)->Arg(1);
BENCHMARK(BM_AddObjectDirect)->Iterations(kAdditions);
BENCHMARK(BM_AddObjectLateBound)->ArgName("cachedId")->Arg(0)->Arg(1)->Iterations(kAdditions);

} // namespace

BENCHMARK_MAIN();
