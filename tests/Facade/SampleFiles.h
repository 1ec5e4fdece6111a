#pragma once
// The samples the facade tests draw: a saved file must open again with the same content and
// save to the same bytes, its SVG picture goes beside it, and both must equal the committed
// files under samples/ (copy the made ones over those when a drawing changes on purpose).

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "HostDocumentFile.h"
#include "HostDocuments.h"
#include "HostSvg.h"

namespace sample {

namespace fs = std::filesystem;

inline std::string Bytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline tvhost::TDocumentCore& Core(const tvapi::ITervanDocumentPtr& doc)
{
    return dynamic_cast<tvhost::TDocumentCore&>(*doc);
}

// Where the tests write their samples.
inline fs::path Dir()
{
    const fs::path dir = fs::path(DC_BINARY_DIR) / "samples";
    fs::create_directories(dir);
    return dir;
}

// Opens Dir()/`stem`.qdr again, checks it against `made` and a second save of it against the
// file, and writes `stem`.svg from it into `picture`. Null when it does not open.
inline tvapi::ITervanDocumentPtr ReopenAndPicture(tvhost::THostDocuments& documents, const std::string& stem,
                                                  const tvapi::ITervanDocumentPtr& made, std::string& picture)
{
    const fs::path file = Dir() / (stem + ".qdr"), copy = Dir() / (stem + "-reopened.qdr");
    const tvapi::ITervanDocumentPtr reopened = documents.OpenFile(file.wstring());
    EXPECT_TRUE(reopened) << documents.OpenError();
    if (!reopened) return {};
    EXPECT_EQ(tvhost::DocumentJson(Core(reopened)), tvhost::DocumentJson(Core(made)));
    EXPECT_TRUE(reopened->SaveAs(copy.wstring().c_str()));
    EXPECT_EQ(Bytes(copy), Bytes(file));
    const fs::path svg = Dir() / (stem + ".svg");
    std::string error;
    EXPECT_TRUE(tvhost::WriteSvgFile(Core(reopened), svg.wstring(), error)) << error;
    picture = Bytes(svg);
    return reopened;
}

// The committed samples are what the test made.
inline void ExpectCommitted(const std::string& stem)
{
    for (const std::string& name : {stem + ".qdr", stem + ".svg"}) {
        SCOPED_TRACE(name);
        const fs::path committed = fs::path(DC_SOURCE_DIR) / "samples" / name;
        ASSERT_TRUE(fs::exists(committed));
        EXPECT_TRUE(Bytes(committed) == Bytes(Dir() / name));
    }
}

} // namespace sample
