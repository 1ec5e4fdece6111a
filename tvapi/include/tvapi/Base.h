#pragma once
// Common frame of the host programming interface: interface ids, the base interface
// IAPIObject that every host object offers, and the counted interface pointer Ptr<I>.
// Every interface header of this folder builds on this one.

#include <cstddef>
#include <string_view>
#include <type_traits>
#include <utility>

namespace tvapi {

// An interface id is a GUID written as 8-4-4-4-12 hexadecimal digits: 36 characters.
inline constexpr std::size_t InterfaceIdLength = 36;

constexpr bool IsInterfaceId(std::string_view id) noexcept
{
    if (id.size() != InterfaceIdLength) return false;
    for (std::size_t i = 0; i < id.size(); ++i) {
        const char c = id[i];
        const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
        const bool hex = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
        if (dash ? c != '-' : !hex) return false;
    }
    return true;
}

// The base of every host interface. An interface class names its id `IID` and the
// interface it extends `Parent`; the host answers a query for any interface on that chain.
// Host objects destroy themselves when their last reference is released, never by delete.
class IAPIObject {
public:
    static constexpr char IID[] = "2C44D0E3-869A-4DDA-AA0C-46A473D1A02B";

    // Adds one reference; the result is the new count, for diagnostics only.
    virtual long AddRef() noexcept = 0;
    // Drops one reference; the result is the remaining count, for diagnostics only.
    virtual long Release() noexcept = 0;
    // The object seen through the interface `iid`, with one reference added for the caller,
    // or null when the object does not offer it (or `iid` is null). Asked for IAPIObject::IID,
    // one object always gives the same address: that address is its identity.
    virtual void* QueryInterface(const char* iid) noexcept = 0;

protected:
    IAPIObject() = default;
    IAPIObject(const IAPIObject&) = default;
    IAPIObject& operator=(const IAPIObject&) = default;
    ~IAPIObject() = default;
};

// True when interface I declares an id of its own rather than inheriting its Parent's;
// a forgotten IID would otherwise make a query for I answer with another interface.
template <class I> constexpr bool DeclaresOwnId() noexcept
{
    if constexpr (std::is_same_v<I, IAPIObject>)
        return true;
    else
        return std::string_view(I::IID) != std::string_view(I::Parent::IID);
}

// Counted pointer to a host object seen through interface I: empty, or holding one
// reference. Converting from a pointer to another interface asks the object for I::IID
// and gives an empty pointer when the object refuses.
template <class I> class Ptr {
public:
    using Interface = I;

    constexpr Ptr() noexcept = default;
    constexpr Ptr(std::nullptr_t) noexcept {}
    // Holds `p` with a reference of its own.
    explicit Ptr(I* p) noexcept : FP(p) { AddRefHeld(); }
    // Takes over a reference the caller already owns (for instance from QueryInterface).
    [[nodiscard]] static Ptr Adopt(I* p) noexcept
    {
        Ptr r;
        r.FP = p;
        return r;
    }

    Ptr(const Ptr& other) noexcept : FP(other.FP) { AddRefHeld(); }
    Ptr(Ptr&& other) noexcept : FP(std::exchange(other.FP, nullptr)) {}
    template <class J>
    requires(!std::is_same_v<I, J>) Ptr(const Ptr<J>& other)
    noexcept : FP(Query(other.Get())) {}
    ~Ptr() { Reset(); }

    Ptr& operator=(const Ptr& other) noexcept
    {
        if (FP == other.FP) return *this;
        I* old = FP;
        FP = other.FP;
        AddRefHeld();
        if (old) old->Release();
        return *this;
    }
    Ptr& operator=(Ptr&& other) noexcept
    {
        if (this == &other) return *this;
        I* old = std::exchange(FP, std::exchange(other.FP, nullptr));
        if (old) old->Release();
        return *this;
    }
    template <class J>
    requires(!std::is_same_v<I, J>) Ptr& operator=(const Ptr<J>& other) noexcept
    {
        return *this = Ptr(other);
    }
    Ptr& operator=(std::nullptr_t) noexcept
    {
        Reset();
        return *this;
    }

    // Releases the held reference; the pointer becomes empty.
    void Reset() noexcept
    {
        if (I* old = std::exchange(FP, nullptr)) old->Release();
    }
    // Hands the held reference to the caller, who must release it; the pointer becomes empty.
    [[nodiscard]] I* Detach() noexcept { return std::exchange(FP, nullptr); }

    I* Get() const noexcept { return FP; }
    I* operator->() const noexcept { return FP; }
    I& operator*() const noexcept { return *FP; }
    explicit operator bool() const noexcept { return FP != nullptr; }

private:
    void AddRefHeld() noexcept
    {
        if (FP) FP->AddRef();
    }
    template <class J> static I* Query(J* p) noexcept
    {
        static_assert(IsInterfaceId(I::IID), "an interface id is a 36-character GUID text");
        static_assert(DeclaresOwnId<I>(), "an interface declares its own IID");
        return p ? static_cast<I*>(p->QueryInterface(I::IID)) : nullptr;
    }

    I* FP = nullptr;
};

using IAPIObjectPtr = Ptr<IAPIObject>;

// True when `a` and `b` denote the same host object: the same address, or both non-null
// with the same IAPIObject address. An object that refuses IAPIObject equals only itself.
template <class A, class B> bool SameObject(A* a, B* b) noexcept
{
    if (static_cast<const void*>(a) == static_cast<const void*>(b)) return true;
    if (!a || !b) return false;
    const IAPIObjectPtr ia =
        IAPIObjectPtr::Adopt(static_cast<IAPIObject*>(a->QueryInterface(IAPIObject::IID)));
    const IAPIObjectPtr ib =
        IAPIObjectPtr::Adopt(static_cast<IAPIObject*>(b->QueryInterface(IAPIObject::IID)));
    return ia && ia.Get() == ib.Get();
}

template <class A, class B> bool operator==(const Ptr<A>& a, const Ptr<B>& b) noexcept
{
    return SameObject(a.Get(), b.Get());
}

template <class A> bool operator==(const Ptr<A>& a, std::nullptr_t) noexcept
{
    return !a;
}

} // namespace tvapi
