// Start and end of a stand-in host session.
#include "Host.h"

#include "HostScript.h"

namespace tvhost {

namespace {

// Clears the session before the application is made, so the application gets id 1.
THostApplicationPtr StartSession()
{
    tvhost::Journal().Clear();
    tvhost::Journal().SetRecording(false);
    tvhost::Faults().Clear();
    tvhost::Script().Clear();
    tvhost::Script().TakeUnreachable();
    THostObject::RestartIds();
    return New<THostApplication>();
}

} // namespace

THost::THost() : FApplication(StartSession()) {}

THost::~THost()
{
    FApplication->EndSession();
    FApplication.Reset();
    tvhost::Faults().Clear();
}

} // namespace tvhost
