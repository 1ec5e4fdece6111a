#pragma once
// The collinear example chain in a drawing of the stand-in host - A (0,0)-(40,0) +-0.1,
// B (30,0)-(40,0) +0.05/0, closing C (0,0)-(30,0) - with what the tests of the chain set read
// back: the stored item, the marks of the document, the messages shown, a reopen from a file.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "DrawingLinks.h"
#include "FacadeChainHost.h"
#include "HostAttributes.h"
#include "HostDocuments.h"
#include "HostUserData.h"
#include "TDimensionChains.h"

class TChainSetFixture : public TDrawingLinksFixture {
protected:
    void SetUp() override
    {
        TDrawingLinksFixture::SetUp();
        char pattern[] = "/tmp/chainsetXXXXXX";
        FDir = mkdtemp(pattern) ? pattern : "/tmp";
        drApi::Selector->Begin();
    }
    void TearDown() override
    {
        Dims.clear();
        Kept.Forget();
        A.Reset();
        B.Reset();
        C.Reset();
        drApi::Selector->End(false);
        std::filesystem::remove_all(FDir);
        TDrawingLinksFixture::TearDown();
    }

    // Draws the three dimensions and adds them to the set's first chain, which closes and, as a
    // panel follows it, writes C.
    void Example(TDimensionChains& S)
    {
        A = Linear(0, 0, 40, 0, 0.1, -0.1);
        B = Linear(30, 0, 40, 0, 0.05, 0);
        C = Linear(0, 0, 30, 0);
        for (const tvapi::IDrawingObjectPtr& d : {A, B, C})
            ASSERT_TRUE(S.DimChains[0].Add(d, {}, FacadeChainHost()));
        ASSERT_TRUE(S.DimChains[0].Closed);
        TFigureChange closed;
        closed.Chains = {0};
        closed.Written = &Kept;
        FollowFigures(S.DimChains, FacadeChainHost(), closed);
    }

    static tvhost::TDocumentCore& Core(const tvapi::ITervanDocumentPtr& d)
    {
        return *dynamic_cast<tvhost::TDocumentCore*>(d.Get());
    }
    // The stored "DimChains" bytes of the facade's document; empty when there are none.
    std::vector<std::uint8_t> Stored()
    {
        const tvhost::THostUserDataStoragePtr s = Core(R().IDoc).Data().UserData.Document().Find(L"ZelMould");
        const tvhost::TUserDataItem* item = s ? s->Find(L"DimChains") : nullptr;
        return item ? item->Bytes : std::vector<std::uint8_t>();
    }
    // The number each live mark of the type carries, with its first object.
    std::vector<std::pair<tvapi::ITervanAPIObjectPtr, std::wstring>> Marks(Real type)
    {
        std::vector<std::pair<tvapi::ITervanAPIObjectPtr, std::wstring>> marks;
        for (const tvapi::IAttributePtr& a : R().IDoc->GetAttributes(0, 0, 0, 0, std::uint64_t(type), {}))
            marks.emplace_back(a->GetObjects().at(0), a->GetValue(0, 0).GetProperty().GetString());
        return marks;
    }
    // Texts of the message boxes shown since the journal was last cleared.
    std::vector<std::string> Boxes()
    {
        std::vector<std::string> texts;
        for (const auto& e : Journal().Calls("IApplication::ShowMessageBox"))
            texts.push_back(e.Arguments.at(0));
        return texts;
    }
    std::size_t Writes()
    {
        return Journal().Calls("IUserDataStorage::SetData").size() +
               Journal().Calls("IUserDataStorage::AddData").size();
    }
    // Saves the drawing to a file, closes it and opens the file again: the same entities as
    // fresh host objects, listed in Dims. The facade and the selector then work on the
    // reopened drawing.
    void Reopen()
    {
        A.Reset();
        B.Reset();
        C.Reset();
        ReopenDrawing(FDir + "/chain.qdr");
        Dims = Drawing().ActiveView().Children();
    }

    TWrittenDeviations Kept; // what the follows of the test wrote over
    std::string FDir;
    tvapi::IDrawingObjectPtr A, B, C;
    tvapi::DrawingObjectList Dims;
};
