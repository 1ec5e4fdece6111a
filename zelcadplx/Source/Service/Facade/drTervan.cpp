// Construction of the host facade and its registry, and the facade global made at load.

#include "drTervan.h"

#include "drModelerAPI.h"

namespace drApi {

TModelerApi* TModelerApi::Last = nullptr;

TModelerApi::TModelerApi() : R3(new TRegistryApi(), true)
{
    if (!Last)
        Last = this;
}

TModelerApi::~TModelerApi()
{
    if (Last == this)
        Last = nullptr;
    R3.Free();
}

TModelerApi MA;

} // namespace drApi
