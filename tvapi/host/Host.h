#pragma once
// A running stand-in host, as tests and the tvhost command start it: a fresh session
// (empty journal not recording, no armed faults, ids from 1) with its application object.
// One at a time.

#include "HostApplication.h"
#include "HostDictionary.h"
#include "HostFaults.h"
#include "HostJournal.h"
#include "tvapi/Application.h"

namespace tvhost {

class THost {
public:
    // Clears the journal (and stops its recording), the faults and the script, restarts ids
    // when no host object lives, then creates the application (and with it the dictionary).
    THost();
    // Ends the session (closes the documents, drops transfer references), releases the
    // host's own reference to the application and disarms every fault; objects a library
    // still holds live on until it releases them.
    ~THost();
    THost(const THost&) = delete;
    THost& operator=(const THost&) = delete;

    // A new reference to the application, as a library receives it at load.
    tvapi::IApplicationPtr Application() const { return tvapi::IApplicationPtr(FApplication); }

    THostApplication& App() noexcept { return *FApplication; }
    THostDictionary& Dictionary() noexcept { return FApplication->Dictionary(); }
    TJournal& Journal() noexcept { return tvhost::Journal(); }
    TFaults& Faults() noexcept { return tvhost::Faults(); }

private:
    THostApplicationPtr FApplication;
};

} // namespace tvhost
