// Damaged, truncated, mistyped and deeply nested documents fed to the reader and the SVG
// exporter: every input ends in a document or a clean error, and no host object outlives it.
// The seed is fixed, so a failure names an input that can be replayed.

#include <fstream>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "HostDocumentFile.h"
#include "HostDocumentSchema.h"
#include "HostDocuments.h"
#include "HostFixture.h"
#include "HostJsonParse.h"
#include "HostSvg.h"
#include "HostText.h"

namespace {

using nlohmann::json;

constexpr int Inputs = 100000;
constexpr std::size_t SampleCount = 500;

const char* const Tokens[] = {"null",        "{}",
                              "[]",          "4294967297",
                              "1e300",       "-1",
                              "\"x\"",       "[[[[",
                              "]",           "}",
                              ",",           "0",
                              "2147483647",  "-9223372036854775809",
                              "1e999",       "true",
                              "0.5",         "18446744073709551615",
                              "\"\\u0000\"", "\"\xFF\""};
const double Reals[] = {0.0, 1.0, -1.0, 3.5, 1e61, -1e61, 1e300, -1e300, 1e-320, 0.0004, 90.0, 360.0};
const int Kinds[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 20, 27};
const char* const Names[] = {"X1",         "Y1",     "X2",       "Y2",        "Xc",          "Yc",
                             "Radius",     "Style",  "Height",   "Angle",     "A",           "B",
                             "Step",       "Points", "Branches", "Direction", "Orientation", "Distance",
                             "Angle1",     "Angle2", "X",        "Y",         "Color",       "ShelfDirection",
                             "AutoNominal"};

class TGenerator {
public:
    explicit TGenerator(std::uint32_t seed) : FRandom(seed) {}

    std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(FRandom); }
    template <class T, std::size_t N> const T& Pick(const T (&items)[N]) { return items[Below(N)]; }

    // A small document of one or two views with objects of every kind, references included.
    json Document()
    {
        FObjects = 0;
        json views = json::array();
        const std::size_t count = 1 + Below(2);
        for (std::size_t v = 0; v < count; ++v) {
            json view = Core(28, 0);
            view["params"] = json::array({json::array({"Number", json::array({"i", v})}),
                                          json::array({"Scale", json::array({"r", Pick(Reals)})})});
            view["viewType"] = v == 0 ? 0 : 1;
            view["layers"] = json::array({0});
            view["currentLayer"] = 0;
            views.push_back(std::move(view));
        }
        const int objects = static_cast<int>(FObjects);
        json root = {{"format", tvhost::DocumentFileFormat},
                     {"version", 1},
                     {"type", 1 + Below(2)},
                     {"drawing", {{"views", views}, {"groups", json::array()}, {"activeView", count - 1}}}};
        root["attributes"] = {
            {"types", json::array({{{"key", 7}, {"valueType", 0}, {"name", "n"}, {"comment", ""}}})},
            {"attributes", json::array({{{"type", 7},
                                         {"library", "l"},
                                         {"objects", json::array({-1, Below(objects)})},
                                         {"cells", json::array()}}})}};
        root["userData"] = {
            {"document",
             json::array({{{"name", "S"},
                           {"items", json::array({{{"key", ""},
                                                   {"group", ""},
                                                   {"name", "K"},
                                                   {"objects", json::array({Below(objects)})}}})}}})},
            {"owned", json::array()}};
        return root;
    }

    // `text` damaged one way or another.
    std::string Damage(std::string text)
    {
        if (text.empty()) return text;
        switch (Below(6)) {
        case 0:
            return text.substr(0, Below(text.size()));
        case 1:
            text[Below(text.size())] = static_cast<char>(Below(256));
            return text;
        case 2: {
            const std::size_t at = Below(text.size());
            return text.erase(at, 1 + Below(16));
        }
        case 3:
            return text.insert(Below(text.size()), Pick(Tokens));
        case 4:
            return std::string(200 + Below(200), '[') + text;
        default:
            return Retype(text);
        }
    }

private:
    std::mt19937 FRandom;
    std::size_t FObjects = 0;

    json Core(int kind, int depth)
    {
        const std::size_t self = FObjects++;
        json params = json::array();
        for (std::size_t i = Below(5); i > 0; --i) {
            const char* name = Pick(Names);
            if (std::string(name) == "Points" || std::string(name) == "Branches")
                params.push_back(json::array(
                    {name, json::array({"reals", {Pick(Reals), Pick(Reals), Pick(Reals), Pick(Reals)}})}));
            else if (Below(3) == 0)
                params.push_back(json::array({name, json::array({"i", static_cast<int>(Below(4))})}));
            else
                params.push_back(json::array({name, json::array({"r", Pick(Reals)})}));
        }
        json j = {{"kind", kind},
                  {"layer", 0},
                  {"group", -1},
                  {"params", std::move(params)},
                  {"texts", json::object()}};
        j["boundaries"] = json::array();
        if ((kind == 6 || kind == 8) && self > 1) j["boundaries"].push_back(self - 1);
        if (kind == 4 || kind == 9)
            j["texts"]["Text"] = json::array({json::array({json::array({"T", Pick(Reals)})})});
        if (kind != 28 && kind != 27) return j;
        j["children"] = json::array();
        for (std::size_t i = depth > 1 ? 0 : Below(5); i > 0; --i) {
            const int child = Pick(Kinds);
            j["children"].push_back(Core(child, depth + 1));
        }
        return j;
    }

    // One value somewhere in the tree replaced by a token of another type, or a list item
    // repeated.
    std::string Retype(const std::string& text)
    {
        json root = json::parse(text, nullptr, false);
        if (root.is_discarded()) return text;
        json* at = &root;
        while ((at->is_object() || at->is_array()) && !at->empty() && Below(5) != 0) {
            auto it = at->begin();
            std::advance(it, static_cast<std::ptrdiff_t>(Below(at->size())));
            at = &*it;
        }
        if (at->is_array() && !at->empty() && Below(2) == 0)
            at->push_back(at->front());
        else
            *at = json::parse(Pick(Tokens), nullptr, false);
        return root.dump();
    }
};

class DocumentFuzzTest : public HostFixture {
protected:
    // Reads `text` as the reader does; a document it takes is opened, pictured, written again
    // and closed.
    void Feed(const std::string& text)
    {
        json root;
        std::string error;
        if (!tvhost::ParseJson(text, root, error)) {
            ASSERT_FALSE(error.empty());
            return;
        }
        error = tvhost::CheckDocumentJson(root);
        if (!error.empty()) return;
        ++FTaken;
        tvhost::THostDocuments& documents = Host().App().Documents();
        const tvapi::ITervanDocumentPtr doc =
            documents.AddDocument(static_cast<tvapi::DocumentTypeEnum>(root["type"].get<int>()));
        auto& core = dynamic_cast<tvhost::TDocumentCore&>(*doc);
        tvhost::LoadDocumentJson(core, root);
        std::string svg;
        if (core.Drawing2D() && tvhost::DrawingSvg(*core.Drawing2D(), svg, error)) {
            ++FPictured;
            ASSERT_EQ(svg.find('\0'), std::string::npos);
            ASSERT_EQ(svg.find("inf"), std::string::npos);
            ASSERT_EQ(svg.find("nan"), std::string::npos);
            ASSERT_EQ(tvhost::ToUtf8(tvhost::FromUtf8(svg)), svg);
        }
        ASSERT_EQ(tvhost::CheckDocumentJson(tvhost::DocumentJson(core)), "");
        ASSERT_TRUE(doc->Close(tvapi::kdDoNotSaveChanges));
    }

    int FTaken = 0;
    int FPictured = 0;
};

TEST_F(DocumentFuzzTest, EveryInputEndsInADocumentOrACleanError)
{
    std::ostringstream shaft;
    shaft << std::ifstream(DC_SOURCE_DIR "/samples/shaft.qdr", std::ios::binary).rdbuf();
    ASSERT_FALSE(shaft.str().empty());
    TGenerator generate(20240614);
    // Samples made once: the inputs differ in their damage.
    std::vector<std::string> samples{shaft.str()};
    while (samples.size() < SampleCount)
        samples.push_back(generate.Document().dump());
    Host().App().Documents(); // made on first use
    const long live = tvhost::THostObject::LiveObjects();
    for (int i = 0; i < Inputs; ++i) {
        const std::string& sample = samples[i % 50 == 0 ? 0 : generate.Below(SampleCount)];
        const std::string text = i % 10 == 0 ? sample : generate.Damage(sample);
        SCOPED_TRACE("input " + std::to_string(i));
        Feed(text);
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_EQ(tvhost::THostObject::LiveObjects(), live);
    }
    // Both outcomes are exercised in quantity.
    EXPECT_GT(FTaken, Inputs / 20);
    EXPECT_LT(FTaken, Inputs / 2);
    EXPECT_GT(FPictured, Inputs / 20);
}

// A sample of the inputs takes the whole road through a file, including a 30,000-deep one.
TEST_F(DocumentFuzzTest, FilesOfDamagedDocumentsOpenOrSayWhy)
{
    TGenerator generate(7);
    const std::string path = ::testing::TempDir() + "fuzz.qdr";
    tvhost::THostDocuments& documents = Host().App().Documents();
    for (int i = 0; i < 300; ++i) {
        SCOPED_TRACE("input " + std::to_string(i));
        std::string text = generate.Damage(generate.Document().dump());
        if (i == 0) text = std::string(30000, '[') + std::string(30000, ']');
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
        const tvapi::ITervanDocumentPtr doc = documents.OpenFile(tvhost::FileNameFromBytes(path));
        EXPECT_EQ(static_cast<bool>(doc), documents.OpenError().empty()) << documents.OpenError();
        if (doc) {
            EXPECT_TRUE(doc->Close(tvapi::kdDoNotSaveChanges));
        }
        EXPECT_EQ(documents.Count(), 0u);
    }
}

} // namespace
