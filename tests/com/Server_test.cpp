// The entry points, QueryInterface with its self-identification, aggregation
// and object lifetime, seen from a client of the loaded library.
#include <gtest/gtest.h>

#include "ServerLibrary.h"
#include "writer/com/automation/IClassFactory.h"
#include "writer/com/automation/Identifiers.h"
#include "writer/com/automation/IswfMovie.h"
#include "writer/com/automation/IswfObject.h"

using namespace quillot;
using namespace quillot::com;

namespace {

// A foreign object. It answers every query with itself, or, when `liar` is
// set, the class-identifier queries too, pretending to be one of the
// library's own objects.
class ForeignObject : public IUnknown {
public:
    explicit ForeignObject(bool liar = false) : m_liar(liar) {}
    HRESULT QueryInterface(REFIID riid, void** object) override {
        const bool answers = riid == IID_IUnknown || m_liar;
        *object = answers ? this : nullptr;
        m_references += answers ? 1 : 0;
        return answers ? S_OK : E_NOINTERFACE;
    }
    std::uint32_t AddRef() override { return ++m_references; }
    std::uint32_t Release() override { return --m_references; }
    std::uint32_t References() const { return m_references; }

private:
    bool m_liar;
    std::uint32_t m_references = 1;
};

class ServerTest : public ::testing::Test {
protected:
    IClassFactory* Factory(const GUID& classId) {
        IClassFactory* factory = nullptr;
        EXPECT_EQ(m_library.Library().GetClassObject(classId, IID_IClassFactory,
                                                     reinterpret_cast<void**>(&factory)),
                  S_OK);
        return factory;
    }

    ServerLibrary m_library;
};

TEST_F(ServerTest, ServesItsThreeClassesOnly) {
    for (const GUID& classId : {CLSID_swfMovie, CLSID_swfObject, CLSID_swfAction}) {
        IClassFactory* factory = Factory(classId);
        ASSERT_NE(factory, nullptr);
        factory->Release();
    }
    void* factory = &factory;
    EXPECT_EQ(m_library.Library().GetClassObject(IID_IswfMovie, IID_IClassFactory, &factory),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(factory, nullptr);
    EXPECT_EQ(m_library.Library().GetClassObject(CLSID_swfMovie, IID_IClassFactory, nullptr),
              E_POINTER);
}

TEST_F(ServerTest, OnlyAnObjectAnswersItsOwnClassIdentifier) {
    DispatchObject object = m_library.Create(CLSID_swfObject);
    DispatchObject movie = m_library.Create(CLSID_swfMovie);
    void* self = nullptr;
    ASSERT_EQ(object.Object()->QueryInterface(CLSID_swfObject, &self), S_OK);
    void* dual = nullptr;
    ASSERT_EQ(object.Object()->QueryInterface(IID_IswfObject, &dual), S_OK);
    EXPECT_EQ(self, dual);
    static_cast<IUnknown*>(self)->Release();
    static_cast<IUnknown*>(dual)->Release();

    EXPECT_EQ(movie.Object()->QueryInterface(CLSID_swfObject, &self), E_NOINTERFACE);
    EXPECT_EQ(self, nullptr);
    EXPECT_EQ(movie.Object()->QueryInterface(IID_IClassFactory, &self), E_NOINTERFACE);
}

TEST_F(ServerTest, ForeignObjectsAreRefusedWithoutLeakingReferences) {
    DispatchObject movie = m_library.Create(CLSID_swfMovie);
    DispatchObject action = m_library.Create(CLSID_swfAction);
    ForeignObject honest;
    ForeignObject liar(true);
    EXPECT_EQ(movie.Call("AddObject", {static_cast<IUnknown*>(&honest)}), E_POINTER);
    EXPECT_EQ(movie.Call("AddObject", {static_cast<IUnknown*>(&liar)}), E_POINTER);
    // An action is a library object, but not a swfObject.
    EXPECT_EQ(movie.Call("AddObject", {action.Object()}), E_POINTER);
    EXPECT_EQ(movie.Call("AddObject", {AutomationValue()}), E_POINTER);
    EXPECT_EQ(honest.References(), 1u);
    EXPECT_EQ(liar.References(), 1u);
}

TEST_F(ServerTest, AggregatedObjectDelegatesToItsOuterObject) {
    IClassFactory* factory = Factory(CLSID_swfMovie);
    ForeignObject outer;
    void* object = &object;
    EXPECT_EQ(factory->CreateInstance(&outer, IID_IswfMovie, &object), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(object, nullptr);

    IUnknown* inner = nullptr;
    ASSERT_EQ(factory->CreateInstance(&outer, IID_IUnknown, reinterpret_cast<void**>(&inner)), S_OK);
    IswfMovie* movie = nullptr;
    ASSERT_EQ(inner->QueryInterface(IID_IswfMovie, reinterpret_cast<void**>(&movie)), S_OK);
    EXPECT_EQ(outer.References(), 2u); // the reference went to the outer object
    EXPECT_EQ(movie->SetSize(100, 100), S_OK);
    void* identity = nullptr;
    ASSERT_EQ(movie->QueryInterface(IID_IUnknown, &identity), S_OK);
    EXPECT_EQ(identity, &outer) << "the outer object is the aggregate's identity";
    outer.Release();
    EXPECT_EQ(movie->Release(), 1u);
    EXPECT_EQ(inner->Release(), 0u);
    factory->Release();
    EXPECT_EQ(m_library.Library().CanUnloadNow(), S_OK);
}

TEST_F(ServerTest, CanUnloadOnlyWithoutLiveObjectsAndLocks) {
    IClassFactory* factory = Factory(CLSID_swfObject);
    EXPECT_EQ(m_library.Library().CanUnloadNow(), S_FALSE) << "a held factory keeps it loaded";
    IswfObject* object = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IswfObject, reinterpret_cast<void**>(&object)),
              S_OK);
    factory->Release();
    EXPECT_EQ(m_library.Library().CanUnloadNow(), S_FALSE);
    EXPECT_EQ(object->AddRef(), 2u);
    EXPECT_EQ(object->Release(), 1u);
    EXPECT_EQ(object->Release(), 0u);
    EXPECT_EQ(m_library.Library().CanUnloadNow(), S_OK);

    factory = Factory(CLSID_swfObject);
    factory->LockServer(1);
    factory->Release();
    EXPECT_EQ(m_library.Library().CanUnloadNow(), S_FALSE);
    factory = Factory(CLSID_swfObject);
    factory->LockServer(0);
    factory->Release();
    EXPECT_EQ(m_library.Library().CanUnloadNow(), S_OK);
}

} // namespace
