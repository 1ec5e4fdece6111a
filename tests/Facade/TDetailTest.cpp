// Tests of the parametric detail base: the copy (a new modeller, the builder shared and asked
// with the copy as object), the do-nothing defaults and the modeller wrapper's ownership.

#include "TDetail.h"

#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "RecordingModeler.h"

using Texts = std::vector<std::string>;

namespace {

// A builder that notes which object asked it to evaluate.
struct TRecordingConstruktor : TConstruktor {
    mutable const void* LastObject = nullptr;
    void Evaluate(void* O) const override { LastObject = O; }
};

} // namespace

TEST(TDetailTest, CopyTakesANewModellerAndSharesBuilderAndCompanions) {
    TRecordingModeler M1, M2;
    TRecordingConstruktor C;
    TDetail companion(1, &M1, &C);
    TDetail d(5, &M1, &companion, 6, &C);
    d.State = TDetail::stPlace;
    d.DC = TBaseDetail{12, 3, 4};
    std::tie(d.Number, d.Design, d.Code, d.Complement2, d.NeedPhantom) =
        std::make_tuple(7, true, 21, &companion, true);
    TDetail copy(d, &M2);
    EXPECT_EQ(copy.M2.Ptr, &M2);
    EXPECT_FALSE(copy.M2.Owner);
    EXPECT_EQ(
        std::make_tuple(copy.Id, copy.Id2, copy.State, copy.Number, copy.Design, copy.Code, copy.NeedPhantom),
        std::make_tuple(5, 6, TDetail::stPlace, 7, true, 21, true));
    EXPECT_EQ(copy.DC, (TBaseDetail{12, 3, 4}));
    EXPECT_EQ(std::make_tuple(copy.Complement, copy.Complement2, copy.PCon),
              std::make_tuple(&companion, &companion, &C));
    copy.Evaluate();
    EXPECT_EQ(C.LastObject, &copy);
}

TEST(TDetailTest, WithoutABuilderOrWithTheEmptyOneNothingIsDone) {
    TRecordingModeler M;
    TDetail none(1, &M, static_cast<TConstruktor*>(nullptr));
    TDetail empty(1, &M, TConstruktor::Empty());
    int socket = 0;
    for (TDetail* d : {&none, &empty}) {
        EXPECT_FALSE(d->toDesign(&socket, true));
        EXPECT_FALSE(d->toPlace(&socket, true));
        EXPECT_EQ(d->Set(1, 2.0, 3.0, 4.0) + d->Set(1, 2.0, 3.0), 0);
        d->Evaluate();
        EXPECT_EQ(d->Code, 0);
    }
}

TEST(TWrapModelerTest, PassesOperationsToItsModellerAndOwnsItOnlyWhenTold) {
    TRecordingModeler M;
    TDetail d(1, &M, TConstruktor::Empty());
    d.drLine(1, 2, 3, 4, 2);
    d.drCircle(5, 6, 7, 1);
    EXPECT_EQ(M.Texts(), (Texts{"drLine(1, 2, 3, 4, 2)", "drCircle(5, 6, 7, 1)"}));

    struct TOwned : TRecordingModeler {
        bool* Gone;
        explicit TOwned(bool* g) : Gone(g) {}
        ~TOwned() override { *Gone = true; }
    };
    bool gone = false;
    {
        TWrapModeler owner(new TOwned(&gone), true);
        TWrapModeler borrower(*owner.M2.Ptr);
        EXPECT_FALSE(borrower.M2.Owner);
    }
    EXPECT_TRUE(gone);
}
