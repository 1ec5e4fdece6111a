// The document reader refuses damaged files with the JSON path of the first problem, opens
// nothing for them, and takes what the writer wrote.

#include "HostDocumentSchema.h"

#include <fstream>

#include <gtest/gtest.h>

#include "HostDocumentFile.h"
#include "HostFixture.h"
#include "HostJsonParse.h"
#include "HostText.h"

namespace {

using nlohmann::json;

// A drawing with a segment (1), a hatch bounded by it (2), a macro (3) holding a text (4),
// an attribute on the segment and the document, and user data.
const char* const BaseDocument = R"({
 "format": "tvhost document", "version": 1, "type": 1,
 "drawing": {"activeView": 0, "groups": [], "views": [
  {"kind": 28, "layer": 0, "group": -1, "params": [["Number", ["i", 0]], ["Scale", ["r", 1.0]]],
   "texts": {}, "boundaries": [], "viewType": 0, "layers": [0], "currentLayer": 0, "children": [
    {"kind": 1, "layer": 0, "group": -1, "params": [["X2", ["r", 10.0]], ["Style", ["i", 1]]],
     "texts": {}, "boundaries": []},
    {"kind": 6, "layer": 0, "group": -1, "params": [], "texts": {}, "boundaries": [1]},
    {"kind": 27, "layer": 0, "group": -1, "params": [], "texts": {}, "boundaries": [], "children": [
     {"kind": 4, "layer": 0, "group": -1, "params": [["X", ["r", 1.0]]],
      "texts": {"Text": [[["A", 3.5]]]}, "boundaries": []}]}]}]},
 "attributes": {"types": [{"key": 5, "valueType": 0, "name": "n", "comment": ""}],
  "attributes": [{"type": 5, "library": "", "objects": [1, -1],
   "cells": [{"row": 0, "column": 0, "name": "", "text": "7"}]}]},
 "userData": {"document": [{"name": "S", "items": [{"key": "", "group": "", "name": "K", "bytes": [1, 2]}]}],
  "owned": [{"owner": 1, "storages": []}]}
})";

json Base()
{
    return json::parse(BaseDocument);
}

const std::string Objects = "/drawing/views/0/children";

struct TDamage {
    const char* Name;
    std::string Pointer; // the value replaced, or removed when Value is discarded
    json Value;
    std::string Message;
};

void PrintTo(const TDamage& d, std::ostream* os)
{
    *os << d.Name;
}

json Removed()
{
    return json(json::value_t::discarded);
}

// `levels` macros, each inside the one before, as text: no recursion builds or writes it.
std::string DeepText(int levels)
{
    const std::string open =
        R"({"kind": 27, "layer": 0, "group": -1, "params": [], "texts": {}, "boundaries": [], "children": [)";
    std::string text;
    for (int i = 0; i < levels; ++i)
        text += open;
    for (int i = 0; i < levels; ++i)
        text += "]}";
    return "[" + text + "]";
}

json Deep(int levels)
{
    json macro = {{"kind", 27},
                  {"layer", 0},
                  {"group", -1},
                  {"params", json::array()},
                  {"texts", json::object()},
                  {"boundaries", json::array()},
                  {"children", json::array()}};
    json inner = macro;
    for (int i = 1; i < levels; ++i) {
        json outer = macro;
        outer["children"].push_back(std::move(inner));
        inner = std::move(outer);
    }
    return json::array({inner});
}

std::string DeepPath(int levels)
{
    std::string path = "drawing.views[0]";
    for (int i = 0; i < levels; ++i)
        path += ".children[0]";
    return path + ": macro objects nested deeper than " + std::to_string(tvhost::MaxMacroDepth);
}

// One sheet of format `format`, read as a file holds it.
json SheetOfFormat(int format)
{
    return json::parse(R"([{"stamp": {}, "setup": {"layoutType": 0, "layoutStyle": 0, "format": )" +
                       std::to_string(format) + R"(, "multiply": 1, "landscape": true}}])");
}

const TDamage Damages[] = {
    {"ViewsNull", "/drawing/views", nullptr, "drawing.views: expected a list"},
    {"ViewsObject", "/drawing/views", json::object(), "drawing.views: expected a list"},
    {"ViewsEmpty", "/drawing/views", json::array(), "drawing.views: a drawing has at least one view"},
    {"ParamsObject", Objects + "/0/params", json::object(),
     "drawing.views[0].children[0].params: expected a list"},
    {"ChildrenNull", Objects + "/2/children", nullptr,
     "drawing.views[0].children[2].children: expected a list"},
    {"BoundariesNumber", Objects + "/1/boundaries", 1,
     "drawing.views[0].children[1].boundaries: expected a list"},
    {"AttributeObjectsNumber", "/attributes/attributes/0/objects", 1,
     "attributes.attributes[0].objects: expected a list"},
    {"TypeBeyond32Bits", "/type", 4294967297ULL, "type: expected an integer from 1 to 7"},
    {"VersionBeyond32Bits", "/version", 4294967297ULL, "version: expected an integer from 0 to 2147483647"},
    {"KindBeyond32Bits", Objects + "/0/kind", 4294967297ULL,
     "drawing.views[0].children[0].kind: expected an integer from -2147483648 to 2147483647"},
    {"LayerHuge", Objects + "/0/layer", 1e300, "drawing.views[0].children[0].layer: expected an integer"},
    {"LayerFraction", Objects + "/0/layer", 0.5, "drawing.views[0].children[0].layer: expected an integer"},
    {"IntParamHuge", Objects + "/0/params/1/1/1", 1e300,
     "drawing.views[0].children[0].params[1][1][1]: expected an integer"},
    {"IntParamBeyond64Bits", Objects + "/0/params/1/1/1", 9223372036854775808ULL,
     "drawing.views[0].children[0].params[1][1][1]: expected an integer from -9223372036854775808 to "
     "9223372036854775807"},
    {"FormatNumber", "/format", 1, "format: not a document file of the stand-in"},
    {"VersionText", "/version", "1", "version: expected an integer"},
    {"VersionTwo", "/version", 2, "version: version 2 is not supported"},
    {"TypeMissing", "/type", Removed(), "type: missing"},
    {"KindUnknown", Objects + "/0/kind", 99, "drawing.views[0].children[0].kind: unexpected object kind 99"},
    {"ParamKindUnknown", Objects + "/0/params/0/1/0", "q",
     "drawing.views[0].children[0].params[0][1][1]: unknown parameter kind \"q\""},
    {"ParamRepeated", Objects + "/0/params/1/0", "X2",
     "drawing.views[0].children[0].params[1][0]: parameter \"X2\" appears twice"},
    {"ByteAbove255", "/userData/document/0/items/0/bytes/0", 256,
     "userData.document[0].items[0].bytes[0]: expected an integer from 0 to 255"},
    {"TextItemNotPair", Objects + "/2/children/0/texts/Text/0/0", json::array({"A"}),
     "drawing.views[0].children[2].children[0].texts.Text[0][0]: expected a pair"},
    {"ViewNumberRepeated", "/drawing/views/1", json::parse(R"({"kind": 28, "layer": 0, "group": -1,
      "params": [["Number", ["i", 0]]], "texts": {}, "boundaries": [], "viewType": 1, "layers": [0],
      "currentLayer": 0, "children": []})"),
     "drawing.views[1].params[0][1][1]: view number 0 appears twice"},
    {"ViewNumberTooLarge", "/drawing/views/0/params/0/1/1", 2147483648LL,
     "drawing.views[0].params[0][1][1]: expected an integer from 0 to 2147483647"},
    {"AttributeTypeRepeated", "/attributes/types/1",
     json::parse(R"({"key": 5, "valueType": 1, "name": "", "comment": ""})"),
     "attributes.types[1].key: attribute type 5 appears twice"},
    {"AttributeTypeMissing", "/attributes/attributes/0/type", 6,
     "attributes.attributes[0].type: no attribute type 6"},
    {"StorageRepeated", "/userData/document/1", json::parse(R"({"name": "S", "items": []})"),
     "userData.document[1].name: storage \"S\" appears twice"},
    {"OwnerRepeated", "/userData/owned/1", json::parse(R"({"owner": 1, "storages": []})"),
     "userData.owned[1].owner: the storages of object 1 appear twice"},
    {"AttributeObjectMissing", "/attributes/attributes/0/objects/0", 99,
     "attributes.attributes[0].objects[0]: no object numbered 99"},
    {"OwnerMissing", "/userData/owned/0/owner", 5,
     "userData.owned[0].owner: expected an integer from -1 to 4"},
    {"BoundaryMissing", Objects + "/1/boundaries/0", 99,
     "drawing.views[0].children[1].boundaries: no object numbered 99"},
    {"BoundaryOnDocument", Objects + "/1/boundaries/0", -1,
     "drawing.views[0].children[1].boundaries[0]: expected an integer from 0 to 2147483647"},
    {"BoundaryOnItself", Objects + "/1/boundaries/0", 2,
     "drawing.views[0].children[1]: boundary references form a cycle"},
    {"BoundaryOnOwnMacro", Objects + "/2/children/0/boundaries", json::array({3}),
     "drawing.views[0].children[2].children[0]: boundary references form a cycle"},
    {"BoundaryOnView", Objects + "/0/boundaries", json::array({0}),
     "drawing.views[0].children[0]: boundary references form a cycle"},
    {"ActiveViewMissing", "/drawing/activeView", 1, "drawing.activeView: expected an integer from 0 to 0"},
    {"GroupMissing", Objects + "/0/group", 0,
     "drawing.views[0].children[0].group: expected an integer from -1 to -1"},
    {"GroupZeroAsAFileHoldsIt", Objects + "/0/group", 0u,
     "drawing.views[0].children[0].group: expected an integer from -1 to -1"},
    {"SheetFormatBelowA0", "/sheets", SheetOfFormat(-1),
     "sheets[0].setup.format: expected an integer from 0 to 4"},
    {"SheetFormatBeyondA4", "/sheets", SheetOfFormat(5),
     "sheets[0].setup.format: expected an integer from 0 to 4"},
    {"SheetFormatNine", "/sheets", SheetOfFormat(9),
     "sheets[0].setup.format: expected an integer from 0 to 4"},
    {"ChildrenOfSegment", Objects + "/0/children", json::array(),
     "drawing.views[0].children[0]: only views and macro objects hold objects"},
    {"CellTextAndNumber", "/attributes/attributes/0/cells/0/number", 1.0,
     "attributes.attributes[0].cells[0]: a cell holds a text or a number"},
    {"DrawingOfPart", "/type", 4, "a document of type 4 has no drawing"},
    {"MatesOfDrawing", "/mates", json::array(), "a document of type 1 has no mates"},
    {"MacrosTooDeep", Objects, Deep(tvhost::MaxMacroDepth + 1), DeepPath(tvhost::MaxMacroDepth + 1)},
};

class DocumentSchemaTest : public ::testing::TestWithParam<TDamage> {};

TEST_P(DocumentSchemaTest, DamageIsNamedWithItsPath)
{
    const TDamage& d = GetParam();
    json root = Base();
    const json::json_pointer at(d.Pointer);
    if (d.Value.is_discarded())
        root.at(at.parent_pointer()).erase(at.back());
    else
        root[at] = d.Value;
    EXPECT_EQ(tvhost::CheckDocumentJson(root), d.Message);
}

INSTANTIATE_TEST_SUITE_P(Damages, DocumentSchemaTest, ::testing::ValuesIn(Damages),
                         [](const auto& c) { return std::string(c.param.Name); });

TEST(DocumentSchemaBaseTest, BaseAndDeepestMacrosPass)
{
    EXPECT_EQ(tvhost::CheckDocumentJson(Base()), "");
    json root = Base();
    root["drawing"]["views"][0]["children"] = Deep(tvhost::MaxMacroDepth);
    EXPECT_EQ(tvhost::CheckDocumentJson(root), "");
}

TEST(JsonParseTest, RefusesRepeatedKeysDeepNestingAndBadText)
{
    json value;
    std::string error;
    EXPECT_FALSE(tvhost::ParseJson(R"({"a": [{"kind": 1, "kind": 2}]})", value, error));
    EXPECT_EQ(error, "a[0]: key \"kind\" appears twice");
    EXPECT_FALSE(tvhost::ParseJson(std::string(30000, '[') + std::string(30000, ']'), value, error));
    std::string path;
    for (int i = 0; i < 255; ++i)
        path += "[0]";
    EXPECT_EQ(error, path + ": nested deeper than 256 levels");
    EXPECT_FALSE(tvhost::ParseJson("{\n \"a\": tru }", value, error));
    EXPECT_EQ(error.rfind("not JSON at line 2, column ", 0), 0u) << error;
    EXPECT_FALSE(tvhost::ParseJson("", value, error));
    EXPECT_EQ(error.rfind("not JSON at line 1, column 1", 0), 0u) << error;
    EXPECT_TRUE(value.is_null());
    ASSERT_TRUE(tvhost::ParseJson(R"({"a": [1, 2.5, "x", null, true, {"b": {}}], "c": 18446744073709551615})",
                                  value, error));
    EXPECT_EQ(value,
              json::parse(R"({"a": [1, 2.5, "x", null, true, {"b": {}}], "c": 18446744073709551615})"));
    ASSERT_TRUE(tvhost::ParseJson(std::string(256, '[') + std::string(256, ']'), value, error));
}

// Files that fail open nothing, say why, and leave no host object behind.
class DocumentOpenTest : public HostFixture {
protected:
    std::string Write(const std::string& name, const std::string& text)
    {
        const std::string path = ::testing::TempDir() + name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    std::string OpenFails(const std::string& path)
    {
        tvhost::THostDocuments& documents = Host().App().Documents();
        const long live = tvhost::THostObject::LiveObjects();
        EXPECT_FALSE(documents.OpenFile(tvhost::FileNameFromBytes(path)));
        EXPECT_EQ(documents.Count(), 0u);
        EXPECT_EQ(tvhost::THostObject::LiveObjects(), live);
        return documents.OpenError();
    }
};

TEST_F(DocumentOpenTest, EachFailureSaysWhy)
{
    EXPECT_EQ(OpenFails(::testing::TempDir()), "cannot open: is a directory");
    EXPECT_EQ(OpenFails(::testing::TempDir() + "no-such.qdr"), "cannot open: No such file or directory");
    EXPECT_EQ(OpenFails(Write("truncated.qdr", std::string(BaseDocument).substr(0, 40)))
                  .rfind("not JSON at line 2", 0),
              0u);
    json root = Base();
    root["version"] = "1";
    EXPECT_EQ(OpenFails(Write("version-text.qdr", root.dump())), "version: expected an integer");
    root = Base();
    root["drawing"]["views"][0]["children"] = "DEEP";
    std::string deep = root.dump();
    deep.replace(deep.find("\"DEEP\""), 6, DeepText(30000));
    EXPECT_NE(OpenFails(Write("deep.qdr", deep)).find(": nested deeper than 256 levels"), std::string::npos);
}

TEST_F(DocumentOpenTest, BaseOpensWithItsReferences)
{
    tvhost::THostDocuments& documents = Host().App().Documents();
    const tvapi::ITervanDocumentPtr doc =
        documents.OpenFile(tvhost::FileNameFromBytes(Write("base.qdr", BaseDocument)));
    ASSERT_TRUE(doc) << documents.OpenError();
    EXPECT_EQ(documents.OpenError(), "");
    EXPECT_EQ(tvhost::DocumentJson(*dynamic_cast<tvhost::TDocumentCore*>(doc.Get())), Base());
}

// The largest view number loads, and a view added after it is refused instead of overflowing.
TEST_F(DocumentOpenTest, LargestViewNumberDoesNotOverflow)
{
    json root = Base();
    root["drawing"]["views"][0]["params"][0][1][1] = 2147483647;
    json second = root["drawing"]["views"][0];
    second["params"][0][1][1] = 5;
    second["children"] = json::array();
    second["viewType"] = 1;
    root["drawing"]["views"].push_back(second);
    tvhost::THostDocuments& documents = Host().App().Documents();
    const tvapi::ITervanDocument2DPtr doc(
        documents.OpenFile(tvhost::FileNameFromBytes(Write("views.qdr", root.dump()))));
    ASSERT_TRUE(doc) << documents.OpenError();
    const tvapi::IViewsPtr views = doc->GetViewsAndLayersManager()->GetViews();
    ASSERT_EQ(views->GetCount(), 2);
    EXPECT_EQ(views->GetItem(0)->GetNumber(), 2147483647);
    EXPECT_EQ(views->GetItem(1)->GetNumber(), 5);
    EXPECT_FALSE(views->Add(tvapi::vt_Normal));
    EXPECT_EQ(views->GetCount(), 2);
}

} // namespace

TEST(DocumentSchemaBaseTest, AssemblyMatesNameTwoObjectsByPartKindAndNumber)
{
    json root = json::parse(R"({"format": "tvhost document", "version": 1, "type": 5,
     "attributes": {"types": [], "attributes": []}, "userData": {"document": [], "owned": []},
     "mates": [{"type": 0, "fixed": 2, "direction": 1, "value": 0.0,
                "objects": [{"part": -1, "kind": 6, "index": 4}, {"part": 0, "kind": 1}]}]})");
    EXPECT_EQ(tvhost::CheckDocumentJson(root), "");
    root["mates"][0]["objects"][1] = nullptr;
    EXPECT_EQ(tvhost::CheckDocumentJson(root), "") << "a missing object is written as null";
    root["mates"][0]["objects"].erase(1);
    EXPECT_EQ(tvhost::CheckDocumentJson(root), "mates[0].objects: a mate has two objects");
    root["mates"][0]["objects"] = json::parse(R"([{"part": -1, "kind": 6, "index": -2}, null])");
    EXPECT_EQ(tvhost::CheckDocumentJson(root),
              "mates[0].objects[0].index: expected an integer from 0 to 2147483647");
    root["mates"][0].erase("fixed");
    EXPECT_EQ(tvhost::CheckDocumentJson(root).rfind("mates[0]", 0), 0u);
}

TEST(DocumentSchemaBaseTest, EntityNamesGiveKindNumberAndText)
{
    json root = json::parse(R"({"format": "tvhost document", "version": 1, "type": 4,
     "attributes": {"types": [], "attributes": []}, "userData": {"document": [], "owned": []},
     "model": {"name": "", "marking": "", "density": 1.0, "bodies": [], "components": [],
               "names": [{"kind": 6, "index": 2, "name": "MatePlane"}]}})");
    EXPECT_EQ(tvhost::CheckDocumentJson(root), "");
    root["model"]["names"][0]["index"] = -1;
    EXPECT_EQ(tvhost::CheckDocumentJson(root),
              "model.names[0].index: expected an integer from 0 to 2147483647");
    root["model"]["names"][0]["index"] = 0;
    root["model"]["names"][0]["name"] = 5;
    EXPECT_EQ(tvhost::CheckDocumentJson(root), "model.names[0].name: expected a text");
    root["model"]["names"] = json::object();
    EXPECT_EQ(tvhost::CheckDocumentJson(root), "model.names: expected a list");
}

// A component's id is a positive number its siblings do not hold; a stored reference names its
// part by component ids or, in an older file, by places, never both.
TEST(DocumentSchemaBaseTest, ComponentIdsAreUniqueAndReferencesNameTheirPartOnce)
{
    json root = json::parse(R"({"format": "tvhost document", "version": 1, "type": 5,
     "attributes": {"types": [], "attributes": []},
     "userData": {"document": [{"name": "S", "items": [{"key": "K", "group": "", "name": "K", "objects": [],
                  "models": [{"component": [2], "kind": "dimension3D", "index": 0},
                             {"part": [0], "kind": "part", "index": 0}, null]}]}], "owned": []},
     "model": {"name": "", "marking": "", "density": 1.0, "bodies": [],
               "components": [{"file": "a.qpt", "external": true, "frame": [[0, 0, 0], [1, 0, 0], [0, 1, 0]],
                               "id": 2},
                              {"file": "b.qpt", "external": true, "frame": [[0, 0, 0], [1, 0, 0], [0, 1, 0]]}]}})");
    EXPECT_EQ(tvhost::CheckDocumentJson(root), "");
    root["model"]["components"][1]["id"] = 2;
    EXPECT_EQ(tvhost::CheckDocumentJson(root), "model.components[1].id: two components hold this id");
    root["model"]["components"][1]["id"] = 0;
    EXPECT_EQ(tvhost::CheckDocumentJson(root),
              "model.components[1].id: expected an integer from 1 to 2147483647");
    root["model"]["components"][1]["id"] = 0u; // as read from a file
    EXPECT_EQ(tvhost::CheckDocumentJson(root),
              "model.components[1].id: expected an integer from 1 to 2147483647");
    root["model"]["components"][1].erase("id");
    root["userData"]["document"][0]["items"][0]["models"][0]["component"][0] = 0u;
    EXPECT_EQ(
        tvhost::CheckDocumentJson(root),
        "userData.document[0].items[0].models[0].component[0]: expected an integer from 1 to 2147483647");
    root["userData"]["document"][0]["items"][0]["models"][0]["component"][0] = 2;
    json& ref = root["userData"]["document"][0]["items"][0]["models"][0];
    ref["part"] = json::array();
    EXPECT_EQ(tvhost::CheckDocumentJson(root),
              "userData.document[0].items[0].models[0]: a reference names its part once");
}
