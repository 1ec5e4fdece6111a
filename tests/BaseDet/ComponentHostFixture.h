#pragma once
// Components built on the stand-in host: a fresh catalogue control model whose files go to a
// temporary folder of this process and test, the bundled element library loaded, and the
// shapes of a saved part read back with its document kept open while the test looks.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "../Facade/FacadeFixture.h"
#include "ComponentCatalogue.h"
#include "HostKernel.h"
#include "HostKernelFeatures.h"
#include "TextBase.h"

class TComponentHostFixture : public TFacadeFixture {
protected:
    void SetUp() override
    {
        TFacadeFixture::SetUp();
        ABaseDetail.Set(DC_SOURCE_DIR "/samples", "ZelCoupling.tb");
        ABaseDetail.Init();
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        Dir = std::filesystem::path(testing::TempDir()) / ("component_" + std::to_string(::getpid()) + "_" +
                                                           info->test_suite_name() + "_" + info->name());
        std::filesystem::create_directories(Dir);
        Model = std::make_unique<TCatalogueModel>(TString((Dir.string() + "/D").c_str()));
        drApi::LibraryControlModel = Model.get();
    }
    void TearDown() override
    {
        Kept.Reset();
        drApi::LibraryControlModel = nullptr;
        TFacadeFixture::TearDown();
        std::filesystem::remove_all(Dir);
    }
    // The catalogue row of `stem`, made present.
    TDcDetail Present(const char* stem)
    {
        const TDcDetail id = Model->RowOf(stem);
        Model->Present(id, 10 + id);
        return id;
    }
    // The saved 3D document `file`, kept open until the next call or the end of the test.
    tvhost::THostDocument3D* Open(const TString& file)
    {
        Kept = Host().App().Documents().OpenFile(Wide(file), false);
        return dynamic_cast<tvhost::THostDocument3D*>(Kept.Get());
    }
    // Detail id's saved sheet, kept open as Open's document is; null when it is no drawing.
    tvhost::THostDocument2D* OpenSheet(TDcDetail id)
    {
        Kept = Host().App().Documents().OpenFile(Wide(Model->sfDetail2D(id, 0)), false);
        return dynamic_cast<tvhost::THostDocument2D*>(Kept.Get());
    }
    // The linear and angular dimensions in the views of a drawing.
    static int Dimensions(tvhost::THostDocument2D& drawing)
    {
        int n = 0;
        for (const tvhost::THostViewPtr& view : drawing.Drawing().Views())
            for (const tvapi::IDrawingObjectPtr& o : view->Children()) {
                const auto* core = dynamic_cast<tvhost::TDrawingCore*>(o.Get());
                n += core && (core->Type() == tvapi::tvDrLDimension || core->Type() == tvapi::tvDrADimension);
            }
        return n;
    }
    // Every body of detail id's part where it is; empty when the part cannot be opened.
    std::vector<tvhost::TShape> Shapes(TDcDetail id, Integer suffix = 0)
    {
        tvhost::THostDocument3D* doc = Open(Model->sfDetail3D(id, suffix));
        return doc ? doc->TopPart().PlacedShapes() : std::vector<tvhost::TShape>();
    }

    std::filesystem::path Dir;
    std::unique_ptr<TCatalogueModel> Model;
    tvapi::ITervanDocumentPtr Kept;
};
