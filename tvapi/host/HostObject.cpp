// Counting of host objects and the entry of every host operation.
#include "HostObject.h"

#include "HostFaults.h"
#include "HostJournal.h"

namespace tvhost {

namespace {

// The host runs on one thread, as the real one runs its user interface.
long GLiveObjects = 0;
std::uint64_t GNextId = 1;

} // namespace

THostObject::THostObject() noexcept : FId(GNextId++)
{
    ++GLiveObjects;
}

THostObject::~THostObject()
{
    --GLiveObjects;
}

long THostObject::LiveObjects() noexcept
{
    return GLiveObjects;
}

bool THostObject::RestartIds() noexcept
{
    if (GLiveObjects != 0) return false;
    GNextId = 1;
    return true;
}

long THostObject::AddRefObject() noexcept
{
    return ++FRefCount;
}

long THostObject::ReleaseObject() noexcept
{
    const long left = --FRefCount;
    if (left == 0) delete this;
    return left;
}

bool THostObject::Enter(std::string_view op, std::vector<std::string> args)
{
    return EnterOperation(op, std::move(args));
}

bool EnterOperation(std::string_view op, std::vector<std::string> args)
{
    Journal().Add(std::string(op), std::move(args));
    switch (Faults().Take(op)) {
    case fkNone:
        return true;
    case fkFail:
        return false;
    case fkThrow:
        throw TInjectedFault(std::string(op));
    }
    return true;
}

} // namespace tvhost
