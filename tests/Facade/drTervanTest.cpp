// The facade object and its registry: construction, the first-facade pointer, the curves'
// placement stack, and the nested macro lists.

#include "drTervan.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "FacadeFixture.h"
#include "HostModelObject.h"
#include "HostParametric.h"
#include "HostPart.h"

TEST(TModelerApiTest, LoadMakesMAFirstAndASecondFacadeCountsOn) {
    EXPECT_EQ(drApi::TModelerApi::Last, &drApi::MA);
    EXPECT_EQ(drApi::Transf2D, &drApi::MA.R2->Transf2D);

    const int before = CountOfTModeler;
    drApi::TModelerApi* saved = drApi::TModelerApi::Last;
    {
        drApi::TModelerApi second;
        EXPECT_EQ(second.GetCount(), before + 1);
        EXPECT_EQ(drApi::TModelerApi::Last, &drApi::MA);
        drApi::TModelerApi::Last = nullptr;
        {
            const drApi::TModelerApi third;
            EXPECT_EQ(drApi::TModelerApi::Last, &third);
        }
        EXPECT_EQ(drApi::TModelerApi::Last, nullptr);
    }
    drApi::TModelerApi::Last = saved;
}

class TNestedArrayOfTest : public HostFixture {
protected:
    void TearDown() override {
        FList.reset();
        HostFixture::TearDown();
    }
    // Opens one more macro level.
    void Open() { FList->TArrayOf::Add(tvhost::New<tvhost::THostConstrainedObject>()); }
    tvapi::ITervanAPIObjectPtr Member() { return tvhost::New<tvhost::THostModelObject>(tvapi::o3d_face); }

    std::unique_ptr<drApi::TNestedArrayOf> FList = std::make_unique<drApi::TNestedArrayOf>();
};

TEST_F(TNestedArrayOfTest, ObjectsTakesTheInnermostLevelOnly) {
    drApi::TNestedArrayOf& L = *FList;
    L.Add(Member()); // no macro open: not recorded
    EXPECT_TRUE(L.Objects().empty());
    EXPECT_EQ(L.AObjects.Count, 0);

    Open();
    const tvapi::ITervanAPIObjectPtr a = Member(), b = tvhost::New<tvhost::THostPart>(), c = Member(),
                                     z = Member();
    L.Add(a);
    L.Add(b);
    L.Add(c);
    L.Add(tvapi::ITervanAPIObjectPtr()); // empty: not recorded
    Open();
    EXPECT_TRUE(L.Objects().empty()); // depth 2 has no members yet
    L.Add(z);
    EXPECT_EQ(tvhost::RefCountOf(z), 2);
    const std::vector<tvapi::IModelObjectPtr> inner = L.Objects();
    ASSERT_EQ(inner.size(), 1u);
    EXPECT_EQ(inner[0], z);
    EXPECT_EQ(tvhost::RefCountOf(z), 2); // the entry released it, the result holds it
    EXPECT_TRUE(L.AObjects.Count == 3 && L.AObjects[2].V2 == c && L.Count == 2); // the caller pops

    L.Pop().Reset();
    const std::vector<tvapi::IModelObjectPtr> outer = L.Objects();
    ASSERT_EQ(outer.size(), 3u);
    EXPECT_TRUE(outer[0] == a && !outer[1] && outer[2] == c); // a part is no model object
    EXPECT_EQ(L.AObjects.Count, 0);
    EXPECT_EQ(tvhost::RefCountOf(a), 2); // the test and the result
    L.Add(b);
    FList.reset(); // destruction releases members and macros
    EXPECT_EQ(tvhost::RefCountOf(b), 1);
}
