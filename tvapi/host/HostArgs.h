#pragma once
// Journal arguments of the stand-in host's operations that take objects, lists and flags,
// and the cast from an interface pointer to the host object behind it, for the test side.

#include <string>
#include <vector>

#include "HostObject.h"
#include "tvapi/Selection.h"

namespace tvhost {

// "#<id>" of the host object behind `object`, "null" for none, "foreign" for an object
// the stand-in did not make.
std::string ObjectArg(const tvapi::IAPIObject* object);
// The objects of `list` (host pointers of any interface) as "[#3, #7]".
template <class P> std::string ListArg(const std::vector<P>& list)
{
    std::string text = "[";
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) text += ", ";
        text += ObjectArg(list[i].Get());
    }
    return text + "]";
}
std::string BoolArg(bool value);

// The host object of class T behind `p`; null when `p` is empty or denotes another class.
template <class T, class I> T* HostAs(const tvapi::Ptr<I>& p) noexcept
{
    return dynamic_cast<T*>(p.Get());
}

} // namespace tvhost
