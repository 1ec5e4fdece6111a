// The sample assembly's stored chain (plate, bushing, shaft's length) damaged while the
// assembly is closed: one of fewer than two links, or with a figure that is no number, is told
// once and shown open, and after OK the next opening is quiet.

#include "pmDimensionChain3D.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "Panel3DFixture.h"
#include "drModelerAPI.h"

namespace {

struct TModelDamage {
    const char* Name;
    int Keep; // links of the stored chain kept, from its first
    bool NaN; // its first link's additional upper deviation stored as NaN
    const char* Told;
};
void PrintTo(const TModelDamage& d, std::ostream* os)
{
    *os << d.Name;
}

class TModelStoredDamageTest : public TpmDimensionChain3DStoredTest,
                               public testing::WithParamInterface<TModelDamage> {
protected:
    // The stored set and its model-object list rewritten: chain 1 cut to Keep links, or given a NaN.
    void Damage()
    {
        const TModelDamage& d = GetParam();
        TDimensionChains set;
        tvapi::ITervanDocumentPtr doc = R().IDoc;
        std::vector<Byte> bytes;
        std::vector<tvapi::ITervanAPIObjectPtr> objects;
        ASSERT_TRUE(drApi::MA.drGetUserData(doc, set.NameUserData, bytes, {}));
        ASSERT_TRUE(drApi::MA.drGetUserData(doc, set.NameUserDataMO, objects, {}));
        ASSERT_TRUE(set.from(bytes));
        TDimensionChain& chain = set.DimChains[1];
        const std::size_t before = static_cast<std::size_t>(set.DimChains[0].Count());
        while (chain.Count() > d.Keep) {
            chain.Dimensions.Delete(chain.Count() - 1);
            objects.erase(objects.begin() + static_cast<long>(before) + chain.Count());
        }
        if (d.NaN) chain.Dimensions[0].EQHigh = std::numeric_limits<double>::quiet_NaN();
        set.to(bytes);
        ASSERT_TRUE(drApi::MA.drSetUserData(doc, set.NameUserData, bytes, false, {}));
        ASSERT_TRUE(drApi::MA.drSetUserData(doc, set.NameUserDataMO, objects, false, {}));
    }
    long Told(const char* Text)
    {
        const std::vector<std::string> said = Statuses();
        return std::count(said.begin(), said.end(), Text);
    }
};

} // namespace

TEST_P(TModelStoredDamageTest, IsToldOnceAndShownOpen)
{
    Reopen("chain.qas");
    Damage();
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        Journal().Clear();
        Open();
        EXPECT_EQ(Told(GetParam().Told), opening == 0 ? 1 : 0);
        EXPECT_EQ(Told("Изменился размер "), 0);
        EXPECT_FALSE(ChainAt(1).Closed);
        Panel->ButtonClick(1);
        Panel.reset();
    }
}

INSTANTIATE_TEST_SUITE_P(Stored, TModelStoredDamageTest,
                         testing::Values(TModelDamage{"OneLink", 1, false, TDimensionChains::TooShortText},
                                         TModelDamage{"NoLinks", 0, false, TDimensionChains::TooShortText},
                                         TModelDamage{"NaN", 3, true, TDimensionChains::NoNumbersText}),
                         [](const testing::TestParamInfo<TModelDamage>& p) {
                             return std::string(p.param.Name);
                         });
