#pragma once
// Base of every object of the stand-in host: reference count, creation id, the count of
// live objects, and answers to interface queries from the list of interfaces of the
// object's role (THostObjectOf), so a refused conversion tells the caller the object's kind.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "tvapi/Base.h"

namespace tvhost {

class THostObject {
public:
    THostObject(const THostObject&) = delete;
    THostObject& operator=(const THostObject&) = delete;

    // Creation number in the host session: 1, 2, 3 ... in creation order.
    std::uint64_t Id() const noexcept { return FId; }
    // References held on the object right now.
    long RefCount() const noexcept { return FRefCount; }

    // Host objects alive now, of every kind.
    static long LiveObjects() noexcept;
    // Starts creation ids at 1 again. Refused (false) while any object lives, so ids never
    // repeat among objects that can meet.
    static bool RestartIds() noexcept;

protected:
    THostObject() noexcept;
    virtual ~THostObject();

    long AddRefObject() noexcept;
    // Drops one reference and destroys the object with the last one.
    long ReleaseObject() noexcept;

    // Every host operation starts here: journals `op` with its arguments, then applies a
    // fault armed for `op`. False when the operation must fail (give empty, false or 0);
    // throws TInjectedFault for a throwing fault.
    [[nodiscard]] static bool Enter(std::string_view op, std::vector<std::string> args = {});

private:
    std::uint64_t FId;
    long FRefCount = 0;
};

// THostObject::Enter for parts of host objects that are no host object themselves.
[[nodiscard]] bool EnterOperation(std::string_view op, std::vector<std::string> args = {});

// A host object that offers Interfaces... (and each one's Parent chain) besides IAPIObject,
// and nothing else.
template <class... Interfaces> class THostObjectOf : public THostObject, public Interfaces... {
    static_assert(sizeof...(Interfaces) > 0, "a host object offers at least one interface");

public:
    long AddRef() noexcept final { return AddRefObject(); }
    long Release() noexcept final { return ReleaseObject(); }
    void* QueryInterface(const char* iid) noexcept final
    {
        void* found = iid ? FindInterface(iid) : nullptr;
        if (found) AddRefObject();
        return found;
    }

protected:
    THostObjectOf() noexcept = default;

private:
    using First = std::tuple_element_t<0, std::tuple<Interfaces...>>;

    void* FindInterface(const char* iid) noexcept
    {
        if (std::strcmp(iid, tvapi::IAPIObject::IID) == 0)
            return static_cast<tvapi::IAPIObject*>(static_cast<First*>(this));
        void* found = nullptr;
        ((found = found ? found : Cast<Interfaces>(static_cast<Interfaces*>(this), iid)), ...);
        return found;
    }

    template <class I> static void* Cast(I* p, const char* iid) noexcept
    {
        if constexpr (std::is_same_v<I, tvapi::IAPIObject>) {
            return nullptr;
        } else {
            static_assert(tvapi::IsInterfaceId(I::IID), "an interface id is a 36-character GUID text");
            static_assert(tvapi::DeclaresOwnId<I>(), "an interface declares its own IID");
            static_assert(std::is_base_of_v<typename I::Parent, I>, "an interface extends its Parent");
            if (std::strcmp(iid, I::IID) == 0) return p;
            return Cast<typename I::Parent>(p, iid);
        }
    }
};

// Makes a host object; the result holds the first reference.
template <class T, class... Args> tvapi::Ptr<T> New(Args&&... args)
{
    return tvapi::Ptr<T>(new T(std::forward<Args>(args)...));
}

// The host object behind an interface pointer; null for an empty pointer or a foreign object.
template <class I> const THostObject* HostObjectOf(const I* p) noexcept
{
    return dynamic_cast<const THostObject*>(p);
}

// References held on the object `p` denotes (its own included); 0 for an empty pointer.
template <class I> long RefCountOf(const tvapi::Ptr<I>& p) noexcept
{
    const THostObject* object = HostObjectOf(p.Get());
    return object ? object->RefCount() : 0;
}

} // namespace tvhost
