// The shape of a stand-in document file: a 3D document's model, mates, stored model
// references and 3D dimensions.
#include "HostDocumentSchemaChecker.h"

#include "HostDocumentSchema.h"
#include "tvapi/Document.h"
#include "tvapi/Part.h"

namespace tvhost::schema {

void TChecker::Mate(const json& m)
{
    Object(m);
    Member(m, "type", [&](const json& v) { Int32(v); });
    Member(m, "fixed", [&](const json& v) { Int32(v); });
    Member(m, "direction", [&](const json& v) { Int32(v); });
    Member(m, "value", [&](const json& v) { Number(v); });
    Member(
        m, "expression", [&](const json& v) { String(v); }, true);
    Member(m, "objects", [&](const json& objects) {
        Items(objects, [&](const json& o, std::size_t) { EntityRef(o); });
        if (objects.size() != 2) Fail("a mate has two objects");
    });
}

void TChecker::Color(const json& c)
{
    Object(c);
    Member(c, "color", [&](const json& v) { Int32(v); });
    Member(c, "use", [&](const json& v) { Int(v, tvapi::useColorOur, tvapi::useColorSource); });
    for (const char* key : {"ambient", "diffuse", "specularity", "shininess", "transparency", "emission"})
        Member(c, key, [&](const json& v) { Number(v); });
}

// An entry of a 3D document's stored list: an object number, null, or a model object's part
// (by component ids, or by component places in an older file), kind and index (HostModelRefs.h).
void TChecker::ModelRef(const json& ref)
{
    if (ref.is_null()) return;
    if (ref.is_number()) {
        Int(ref, -1, INT_MAX);
        return;
    }
    Object(ref);
    if (ref.contains("part") == ref.contains("component")) Fail("a reference names its part once");
    Member(
        ref, "part",
        [&](const json& path) { Items(path, [&](const json& c, std::size_t) { Int(c, 0, INT_MAX); }); },
        true);
    Member(
        ref, "component",
        [&](const json& path) { Items(path, [&](const json& c, std::size_t) { Int(c, 1, INT_MAX); }); },
        true);
    Member(ref, "kind", [&](const json& k) { String(k); });
    Member(ref, "index", [&](const json& i) { Int(i, 0, INT_MAX); });
}

void TChecker::EntityRef(const json& o)
{
    if (o.is_null()) return;
    Object(o);
    Member(o, "part", [&](const json& v) { Int32(v); });
    Member(o, "kind", [&](const json& v) { Int32(v); });
    Member(
        o, "index", [&](const json& v) { Int(v, 0, INT_MAX); }, true);
}

void TChecker::Dimension3D(const json& d)
{
    Object(d);
    Member(d, "kind", [&](const json& v) { Int32(v); });
    Member(d, "name", [&](const json& v) { String(v); });
    Member(d, "objects", [&](const json& objects) {
        Items(objects, [&](const json& o, std::size_t) { EntityRef(o); });
        if (objects.size() != 2) Fail("a 3D dimension has two objects");
    });
    Member(d, "length", [&](const json& v) { Number(v); });
    Member(d, "autoNominal", [&](const json& v) { Bool(v); });
    Member(d, "tolerance", [&](const json& v) { String(v); });
    Member(d, "toleranceOn", [&](const json& v) { Bool(v); });
    Member(d, "placement", [&](const json& v) { Number(v); });
    Member(d, "hidden", [&](const json& v) { Bool(v); });
    Member(d, "texts", [&](const json& v) { Texts(v); });
}

void TChecker::GeneratedDimension(const json& d)
{
    Object(d);
    Member(d, "kind", [&](const json& v) { Int32(v); });
    Member(d, "owner", [&](const json& o) {
        Object(o);
        Member(
            o, "sketch", [&](const json& v) { Int(v, 0, INT_MAX); }, true);
        Member(
            o, "feature", [&](const json& v) { Int(v, 0, INT_MAX); }, true);
        if (o.size() != 1) Fail("a generated dimension has one owner");
    });
    for (const char* key : {"key", "name", "tolerance", "expression"})
        Member(d, key, [&](const json& v) { String(v); });
    for (const char* key : {"autoNominal", "toleranceOn", "hidden"})
        Member(d, key, [&](const json& v) { Bool(v); });
    Member(d, "placement", [&](const json& v) { Number(v); });
    Member(d, "texts", [&](const json& v) { Texts(v); });
}

void TChecker::Model(const json& m)
{
    Object(m);
    Member(m, "name", [&](const json& v) { String(v); });
    Member(m, "marking", [&](const json& v) { String(v); });
    Member(m, "density", [&](const json& v) { Number(v); });
    Member(m, "bodies", [&](const json& bodies) {
        Items(bodies, [&](const json& b, std::size_t) {
            Object(b);
            Member(b, "brep", [&](const json& v) { String(v); });
            Member(
                b, "hidden", [&](const json& v) { Bool(v); }, true);
            Member(b, "color", [&](const json& c) { Color(c); });
        });
    });
    Member(
        m, "display",
        [&](const json& display) {
            Items(display, [&](const json& d, std::size_t) {
                Object(d);
                Member(d, "color", [&](const json& c) { Color(c); });
                Member(d, "hidden", [&](const json& v) { Bool(v); });
            });
        },
        true);
    Member(
        m, "sketches",
        [&](const json& sketches) { Items(sketches, [&](const json& s, std::size_t) { Sketch(s); }); }, true);
    Member(
        m, "features",
        [&](const json& features) {
            Items(features, [&](const json& f, std::size_t) {
                Object(f);
                Member(f, "kind", [&](const json& v) { Int32(v); });
                Member(f, "name", [&](const json& v) { String(v); });
                Member(f, "counted", [&](const json& v) { Bool(v); });
                Member(
                    f, "excluded", [&](const json& v) { Bool(v); }, true);
                Member(
                    f, "refused", [&](const json& v) { String(v); }, true);
                Member(f, "params", [&](const json& v) { Object(v); });
            });
        },
        true);
    Member(
        m, "dimensions3D",
        [&](const json& dims) { Items(dims, [&](const json& d, std::size_t) { Dimension3D(d); }); }, true);
    Member(
        m, "generated",
        [&](const json& dims) { Items(dims, [&](const json& d, std::size_t) { GeneratedDimension(d); }); },
        true);
    Member(
        m, "variables",
        [&](const json& variables) {
            Items(variables, [&](const json& v, std::size_t) {
                Object(v);
                for (const char* key : {"name", "expression", "note"})
                    Member(v, key, [&](const json& t) { String(t); });
                Member(v, "value", [&](const json& t) { Number(t); });
                Member(v, "external", [&](const json& t) { Bool(t); });
                Member(
                    v, "link",
                    [&](const json& l) {
                        Items(l, [&](const json& t, std::size_t) { String(t); });
                        if (l.size() != 2) Fail("a link is a document and a variable");
                    },
                    true);
            });
        },
        true);
    Member(m, "components", [&](const json& components) {
        std::set<std::int64_t> ids;
        Items(components, [&](const json& c, std::size_t) {
            Object(c);
            Member(c, "file", [&](const json& v) { String(v); });
            Member(c, "external", [&](const json& v) { Bool(v); });
            Member(c, "frame", [&](const json& f) { Frame(f); });
            Member(
                c, "id",
                [&](const json& v) {
                    Int(v, 1, INT_MAX);
                    if (!ids.insert(v.get<std::int64_t>()).second) Fail("two components hold this id");
                },
                true);
        });
    });
    Member(
        m, "names",
        [&](const json& names) {
            Items(names, [&](const json& n, std::size_t) {
                Object(n);
                Member(n, "kind", [&](const json& v) { Int32(v); });
                Member(n, "index", [&](const json& v) { Int(v, 0, INT_MAX); });
                Member(n, "name", [&](const json& v) { String(v); });
            });
        },
        true);
}

void TChecker::Frame(const json& f)
{
    Items(f, [&](const json& p, std::size_t) {
        Items(p, [&](const json& v, std::size_t) { Number(v); });
        if (p.size() != 3) Fail("expected three coordinates");
    });
    if (f.size() != 3) Fail("a frame is an origin and two axes");
}

void TChecker::Sketch(const json& s)
{
    Object(s);
    Member(s, "name", [&](const json& v) { String(v); });
    Member(s, "angle", [&](const json& v) { Number(v); });
    Member(
        s, "plane",
        [&](const json& p) {
            Object(p);
            Member(p, "kind", [&](const json& v) { Int32(v); });
            Member(p, "name", [&](const json& v) { String(v); });
            Member(
                p, "frame", [&](const json& f) { Frame(f); }, true);
            Member(
                p, "back", [&](const json& b) { Bool(b); }, true);
        },
        true);
    Member(s, "document", [&](const json& d) {
        if (d.is_object() && d.value("type", 0) != tvapi::tvDocumentFragment)
            Fail("a sketch's document is a fragment");
        if (const std::string error = CheckDocumentJson(d); !error.empty()) Fail(error);
    });
}

} // namespace tvhost::schema
