#pragma once

#include <atomic>
#include <new>

#include "writer/com/automation/Identifiers.h"
#include "writer/com/server/ModuleState.h"
#include "writer/com/server/TypeLibrary.h"

namespace quillot::com {

// What every class of the library shares: reference counting, aggregation,
// QueryInterface with the self-identification by class identifier, and
// IDispatch through the type information of its interface. `Derived`
// implements the operations of `Interface`.
//
// An aggregated object hands its IUnknown operations to the outer object,
// which holds it through the separate inner IUnknown; an object on its own
// is its own outer object.
template <class Derived, class Interface, const GUID& InterfaceId, const GUID& ClassId>
class DispatchComponent : public Interface {
public:
    HRESULT QueryInterface(REFIID riid, void** object) override {
        return m_controlling->QueryInterface(riid, object);
    }
    std::uint32_t AddRef() override { return m_controlling->AddRef(); }
    std::uint32_t Release() override { return m_controlling->Release(); }

    HRESULT GetTypeInfoCount(std::uint32_t* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = 1;
        return S_OK;
    }
    HRESULT GetTypeInfo(std::uint32_t index, ITypeInfo** typeInfo) override {
        if (typeInfo == nullptr) {
            return E_POINTER;
        }
        *typeInfo = nullptr;
        if (index != 0) {
            return DISP_E_BADINDEX;
        }
        *typeInfo = &Info();
        (*typeInfo)->AddRef();
        return S_OK;
    }
    HRESULT GetIDsOfNames(const char* const* names, std::uint32_t count, DISPID* ids) override {
        return Info().GetIDsOfNames(names, count, ids);
    }
    HRESULT Invoke(DISPID member, std::uint16_t flags, DISPPARAMS* params, VARIANT* result,
                   std::uint32_t* argumentError) override {
        return Info().Invoke(static_cast<Interface*>(this), member, flags, params, result,
                             argumentError);
    }

    // Makes an object, aggregated by `outer` when one is given, and queries
    // it for `riid`; an aggregated object can be asked only for IUnknown.
    static HRESULT Create(IUnknown* outer, REFIID riid, void** object) {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        if (outer != nullptr && riid != IID_IUnknown) {
            return CLASS_E_NOAGGREGATION;
        }
        Derived* component = nullptr;
        try {
            component = new Derived(outer);
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        }
        IUnknown& inner = component->m_inner;
        inner.AddRef();
        const HRESULT result = inner.QueryInterface(riid, object);
        inner.Release(); // destroys the object when the query failed
        return result;
    }

    // The library's own object behind `unknown`, found by asking it for the
    // class identifier; none for anything else. Only a pointer to a live
    // object of this class is believed.
    static Derived* Recognise(IUnknown* unknown) {
        void* self = nullptr;
        if (unknown == nullptr || Failed(unknown->QueryInterface(ClassId, &self)) || !self) {
            return nullptr;
        }
        // The query added a reference to the object behind `unknown`; give
        // it back there, since `self` is trusted only once it is known.
        unknown->Release();
        const bool ours = ModuleState::Instance().IsLiveObject(self, ClassId);
        return ours ? static_cast<Derived*>(static_cast<Interface*>(self)) : nullptr;
    }

protected:
    explicit DispatchComponent(IUnknown* outer)
        : m_inner(*this), m_controlling(outer ? outer : &m_inner) {
        ModuleState::Instance().ObjectCreated(static_cast<Interface*>(this), ClassId);
    }
    virtual ~DispatchComponent() {
        ModuleState::Instance().ObjectDestroyed(static_cast<Interface*>(this));
    }

private:
    // The object's own IUnknown, which never delegates.
    class InnerUnknown final : public IUnknown {
    public:
        explicit InnerUnknown(DispatchComponent& owner) : m_owner(owner) {}
        HRESULT QueryInterface(REFIID riid, void** object) override {
            return m_owner.QueryOwn(riid, object);
        }
        std::uint32_t AddRef() override { return ++m_owner.m_references; }
        std::uint32_t Release() override {
            const std::uint32_t count = --m_owner.m_references;
            if (count == 0) {
                delete &m_owner;
            }
            return count;
        }

    private:
        DispatchComponent& m_owner;
    };

    HRESULT QueryOwn(REFIID riid, void** object) {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (riid == IID_IUnknown) {
            *object = &m_inner;
        } else if (riid == IID_IDispatch || riid == InterfaceId || riid == ClassId) {
            *object = static_cast<Interface*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        static_cast<IUnknown*>(*object)->AddRef();
        return S_OK;
    }

    static TypeInfo& Info() {
        static TypeInfo& info = *TypeLibrary::CachedTypeInfo(InterfaceId);
        return info;
    }

    std::atomic<std::uint32_t> m_references{0};
    InnerUnknown m_inner;
    IUnknown* m_controlling;
};

} // namespace quillot::com
