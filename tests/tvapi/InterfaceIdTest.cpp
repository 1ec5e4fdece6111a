// Every interface of the host headers carries a well-formed id of its own, distinct from
// every other interface's id: a shared id would make a query answer with the wrong kind.

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "tvapi/Application.h"
#include "tvapi/Dictionary.h"
#include "tvapi/Drawing2D.h"
#include "tvapi/Model3D.h"
#include "tvapi/TervanAPIObject.h"
#include "tvapi/Topology.h"

namespace {

template <class I> void CheckId(std::set<std::string>& seen)
{
    static_assert(tvapi::IsInterfaceId(I::IID));
    static_assert(tvapi::DeclaresOwnId<I>());
    EXPECT_TRUE(seen.insert(I::IID).second) << "id used twice: " << I::IID;
}

} // namespace

TEST(InterfaceIdTest, IdsAreWellFormedAndDistinct)
{
    std::set<std::string> seen;
    CheckId<tvapi::IAPIObject>(seen);
    CheckId<tvapi::IApplication>(seen);
    CheckId<tvapi::ITervanDictionary>(seen);
    CheckId<tvapi::ITervanAPIObject>(seen);
    CheckId<tvapi::IDrawingObject>(seen);
    CheckId<tvapi::IDrawingGroup>(seen);
    CheckId<tvapi::IVariable>(seen);
    CheckId<tvapi::IVertex>(seen);
    CheckId<tvapi::IEdge>(seen);
    CheckId<tvapi::IMathCurve3D>(seen);
    EXPECT_EQ(seen.size(), 10u);
}
