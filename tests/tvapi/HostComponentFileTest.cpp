// Components named relative to their assembly: read beside the assembly's file wherever the
// process stands, saved with the name they were given, and a missing one is refused with its name.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "HostDocuments.h"
#include "HostFixture.h"
#include "HostKernel.h"
#include "HostPart.h"

namespace fs = std::filesystem;

TEST_F(HostFixture, ComponentsNamedRelativeToTheirAssemblyMoveWithIt)
{
    const fs::path dir = fs::path(::testing::TempDir()) / ("components-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "moved");
    tvhost::THostDocuments& documents = Host().App().Documents();
    const tvapi::ITervanDocumentPtr part = documents.AddDocument(tvapi::tvDocumentPart);
    tvhost::HostAs<tvhost::THostDocument3D>(part)->TopPart().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
    ASSERT_TRUE(part->SaveAs((dir / "brick.qpt").wstring().c_str()));

    const fs::path before = fs::current_path();
    fs::current_path(dir);
    const tvapi::ITervanDocumentPtr unit = documents.AddDocument(tvapi::tvDocumentAssembly);
    const bool added =
        static_cast<bool>(tvhost::HostAs<tvhost::THostDocument3D>(unit)->TopPart().GetParts()->AddFromFile(
            L"brick.qpt", true, true));
    fs::current_path(before);
    ASSERT_TRUE(added);
    ASSERT_TRUE(unit->SaveAs((dir / "unit.qas").wstring().c_str()));

    // The pair moved to another folder opens there, from a process standing elsewhere.
    for (const char* name : {"brick.qpt", "unit.qas"})
        fs::rename(dir / name, dir / "moved" / name);
    const tvapi::ITervanDocumentPtr reopened = documents.OpenFile((dir / "moved" / "unit.qas").wstring());
    ASSERT_TRUE(reopened) << documents.OpenError();
    tvhost::THostPart& top = tvhost::HostAs<tvhost::THostDocument3D>(reopened)->TopPart();
    ASSERT_EQ(top.GetParts()->GetCount(), 1);
    ASSERT_TRUE(reopened->SaveAs((dir / "moved" / "again.qas").wstring().c_str()));
    EXPECT_TRUE(documents.OpenFile((dir / "moved" / "again.qas").wstring()));

    fs::remove(dir / "moved" / "brick.qpt");
    EXPECT_FALSE(documents.OpenFile((dir / "moved" / "unit.qas").wstring()));
    EXPECT_NE(documents.OpenError().find("brick.qpt"), std::string::npos) << documents.OpenError();
    fs::remove_all(dir);
}
