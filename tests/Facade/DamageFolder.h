#pragma once
// The folder of the damaged-file tests: good parts and assemblies saved through the stand-in,
// their JSON read and written back, and the check that a damaged file is refused by the tvhost
// command and by the facade with a message, within seconds, the file untouched.

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "FacadeFixture.h"
#include "HostDocumentFile.h"
#include "HostKernel.h"
#include "TvhostRun.h"

namespace damagetest {

namespace fs = std::filesystem;
using nlohmann::json;
using tvhostrun::TRun;
using tvhostrun::Tvhost;

// A damage run of the tvhost command ends within this, the sanitizers' builds included.
inline constexpr auto WithinSeconds = std::chrono::seconds(30);

inline std::string FileBytes(const fs::path& path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

inline void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Replaces the first match of `pattern` in `text` by `with` ($1 and so on name its groups);
// false when nothing matches, so a case that no longer damages anything fails.
inline bool ReplaceFirst(std::string& text, const std::string& pattern, const std::string& with)
{
    std::smatch m;
    if (!std::regex_search(text, m, std::regex(pattern))) return false;
    text = m.prefix().str() + m.format(with) + m.suffix().str();
    return true;
}

class TDamageFolder : public TFacadeFixture {
protected:
    void SetUp() override
    {
        TFacadeFixture::SetUp();
        FStart = fs::current_path();
        FDir = fs::path(::testing::TempDir()) / ("damaged-" + std::to_string(::getpid()));
        fs::remove_all(FDir);
        fs::create_directories(FDir);
    }
    void TearDown() override
    {
        fs::current_path(FStart); // a test may stand in the folder
        TFacadeFixture::TearDown();
        fs::remove_all(FDir);
    }

    std::string Path(const std::string& name) const { return (FDir / name).string(); }
    std::wstring Name(const std::string& name) const { return tvhost::FromUtf8(Path(name)); }

    // A part of a box and a cylinder standing on it, saved as `name`.
    void SaveGoodPart(const std::string& name)
    {
        const tvapi::ITervanDocumentPtr doc = Host().App().Documents().AddDocument(tvapi::tvDocumentPart);
        tvhost::THostPart& part = tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart();
        part.AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
        part.AddBody(tvhost::MakeCylinder({5, 10, 5}, {0, 0, 1}, 3, 10));
        ASSERT_TRUE(doc->SaveAs(Name(name).c_str()));
        ASSERT_TRUE(doc->Close(tvapi::kdDoNotSaveChanges));
    }
    // An assembly holding the parts `components` (named from the current folder), saved as
    // `name` in the folder.
    void SaveAssembly(const std::string& name, const std::vector<std::string>& components)
    {
        const tvapi::ITervanDocumentPtr doc = Host().App().Documents().AddDocument(tvapi::tvDocumentAssembly);
        for (const std::string& c : components)
            ASSERT_TRUE(tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart().GetParts()->AddFromFile(
                tvhost::FromUtf8(c).c_str(), false, true));
        ASSERT_TRUE(doc->SaveAs(Name(name).c_str()));
        ASSERT_TRUE(doc->Close(tvapi::kdDoNotSaveChanges));
    }
    json Read(const std::string& name) const { return json::parse(FileBytes(Path(name))); }
    void Save(const std::string& name, const json& j) const { WriteFile(Path(name), j.dump(1)); }

    // The damaged file `file` refused by the tvhost command and by the facade with a message
    // holding `why`, within seconds, the file untouched.
    void ExpectRefused(const std::string& file, const std::vector<std::string>& why)
    {
        const std::string before = FileBytes(file);
        const std::string out = Path("out.step");
        const auto start = std::chrono::steady_clock::now();
        const TRun run = Tvhost({"export", "--step", file, out});
        EXPECT_LT(std::chrono::steady_clock::now() - start, WithinSeconds);
        EXPECT_EQ(run.Code, 3) << run.Out;
        EXPECT_EQ(run.Out.rfind("tvhost: cannot read " + file + ": ", 0), 0u) << run.Out;
        for (const std::string& w : why)
            EXPECT_NE(run.Out.find(w), std::string::npos) << w << " in " << run.Out;
        EXPECT_EQ(std::count(run.Out.begin(), run.Out.end(), '\n'), 1) << "one message: " << run.Out;
        EXPECT_FALSE(fs::exists(out));

        const TString name(file.c_str());
        EXPECT_FALSE(drApi::MA.drOpen3D(name, true));
        for (const std::string& w : why)
            EXPECT_NE(Host().App().Documents().OpenError().find(w), std::string::npos)
                << w << " in " << Host().App().Documents().OpenError();
        EXPECT_EQ(drApi::MA.GetMassFile(name), 0.0);
        EXPECT_EQ(Host().App().Documents().Count(), 0u);
        EXPECT_EQ(FileBytes(file), before) << "the file is left as it was";
    }

    fs::path FDir;
    fs::path FStart;
};

} // namespace damagetest
