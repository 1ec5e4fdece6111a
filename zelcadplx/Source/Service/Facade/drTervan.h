#pragma once
// drApi::TRegistryApi: the one place where the host facade keeps what it learns from the
// host between calls - the host application and the library's own file names and folder.

#include "DString.h"

namespace tvapi {
class IApplication;
}

namespace drApi {

class TRegistryApi {
public:
    Str ModuleName;    // library file name without folder, extension and its first three characters
    Str PathFileName;  // full path of the library file as the host reports it
    Str FileName;      // library file name without folder and extension: caption of every box
    Str Path;          // folder of the library file, ending with its separator
    Str LibFont;       // font of the texts the library draws
    // The host application; null while the library runs without a host. A plain pointer:
    // the host owns the application and outlives the library, so it is never released.
    tvapi::IApplication* Tervan7 = nullptr;

    TRegistryApi() = default;
    virtual ~TRegistryApi() = default;
    TRegistryApi(const TRegistryApi&) = delete;
    TRegistryApi& operator=(const TRegistryApi&) = delete;
};

} // namespace drApi
