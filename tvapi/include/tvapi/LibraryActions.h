#pragma once
// How a library plugs into the host: the entry points it exports with C linkage, and the
// library-actions interface through which it hands the host its command callbacks.

#include <functional>
#include <string>

#include "tvapi/Application.h"
#include "tvapi/Base.h"

namespace tvapi {

// How the host runs a library command.
enum tvRunCommandModeEnum : int {
    tvRumModeNormal = 0,
    tvRumModeTervanDemo = 1,
    tvRumModeLibraryDemo = 2,
};

// Runs library command `command`.
using RunCommandFunction = std::function<void(unsigned int command, tvRunCommandModeEnum mode)>;
// Tells the host whether command `command` is enabled, its checked state and, when
// disabled, why; the host passes in its current values.
using LibCommandStateFunction =
    std::function<void(int command, bool& enable, int& checked, std::wstring& reason)>;
// The library's identifier among the host's libraries.
using LibraryIdFunction = std::function<int()>;

class ITervanLibraryActions : public IAPIObject {
public:
    static constexpr char IID[] = "A1347941-40EF-4675-8528-80FB09E98674";
    using Parent = IAPIObject;

    // Each registration keeps a copy of the function, replacing one registered before.
    // False for an empty function, which is not kept.
    virtual bool RegisterRunCommand(const RunCommandFunction& runner) = 0;
    virtual bool RegisterCommandState(const LibCommandStateFunction& state) = 0;
    virtual bool RegisterLibraryId(const LibraryIdFunction& id) = 0;

protected:
    ~ITervanLibraryActions() = default;
};

using ITervanLibraryActionsPtr = Ptr<ITervanLibraryActions>;

// The entry points of a library, looked up by these names in its shared object: the host
// calls the first right after loading (false: the library refused to load) and the second
// before unloading.
using LoadTervanLibraryFunction = bool(IApplication& app, ITervanLibraryActions& actions);
using UnloadTervanLibraryFunction = void();
inline constexpr char LoadTervanLibraryName[] = "LoadTervanLibrary";
inline constexpr char UnloadTervanLibraryName[] = "UnloadTervanLibrary";

} // namespace tvapi
