// The export subcommand of tvhost.
#include "Export.h"

#include "Host.h"
#include "HostDocumentFile.h"
#include "HostDocuments.h"
#include "HostFileIo.h"
#include "HostHlr.h"
#include "HostKernel.h"
#include "HostPart.h"
#include "HostSvg.h"
#include "HostText.h"
#include "HostUserData.h"
#include "Output.h"
#include "ReadFiles.h"
#include "Session.h"
#include "tvapi/Dimensions.h"
#include "tvapi/DrawingTexts.h"
#include "tvapi/Part.h"
#include "tvapi/Symbols3D.h"

namespace tvrun {

namespace {

const char* DimensionKind(tvapi::DrawingObjectTypeEnum type)
{
    switch (type) {
    case tvapi::tvDrLDimension:
        return "linear";
    case tvapi::tvDrADimension:
        return "angular";
    case tvapi::tvDrDDimension:
        return "diametral";
    case tvapi::tvDrRDimension:
        return "radial";
    default:
        return nullptr;
    }
}

// The 3D dimensions of `part` and then of its components, depth first: the part's name, the
// measured value and the two deviation texts.
void PrintModelDimensions(const tvapi::IPartPtr& part, std::ostream& out, int depth)
{
    if (!part || depth > 8) return;
    const tvapi::ISymbols3DContainerPtr symbols(part);
    const tvapi::ILineDimensions3DPtr dims = symbols ? symbols->GetLineDimensions3D() : nullptr;
    for (int i = 0; dims && i < dims->GetCount(); ++i) {
        const tvapi::IDimensionTextPtr text(dims->GetItem(i));
        if (!text) continue;
        const auto str = [](const tvapi::ITextPtr& t) {
            return t ? tvhost::ToUtf8(t->GetStr()) : std::string();
        };
        out << "model \"" << tvhost::ToUtf8(part->GetName()) << "\" " << text->GetNominalValue() << ": \""
            << str(text->GetUpperDeviation()) << "\" \"" << str(text->GetLowerDeviation()) << "\"\n";
    }
    const tvapi::IPartsPtr parts = part->GetParts();
    for (int i = 0; parts && i < parts->GetCount(); ++i)
        PrintModelDimensions(parts->GetItem(i), out, depth + 1);
}

// Prints the dimensions of the drawing `doc`, view by view (kind, measured value and the two
// deviation texts as they stand in the file), or those of the model `doc`'s parts; then what a
// library stored with the document.
int PrintDimensions(const std::string& doc, std::ostream& out, std::ostream& err)
{
    tvhost::THost host;
    host.App().SetBoxOutput(&err); // what an open left out of the file
    tvhost::THostDocuments& documents = host.App().Documents();
    const tvapi::ITervanDocumentPtr document = documents.OpenFile(tvhost::FileNameFromBytes(doc));
    auto* core = dynamic_cast<tvhost::TDocumentCore*>(document.Get());
    auto* drawing = dynamic_cast<tvhost::THostDocument2D*>(document.Get());
    auto* model = dynamic_cast<tvhost::THostDocument3D*>(document.Get());
    if (!core || (!drawing && !model)) {
        // A file of another kind opens and has no open error: its kind is the reason.
        const std::string why =
            core ? "it is a document of type " + std::to_string(core->Type()) : documents.OpenError();
        err << "tvhost: cannot read " << doc << " as a drawing or model: " << why << '\n';
        return ecRunFailed;
    }
    if (drawing)
        for (const tvhost::THostViewPtr& view : drawing->Drawing().Views())
            for (const tvapi::IDrawingObjectPtr& object : view->Children()) {
                auto* dim = dynamic_cast<tvhost::TDrawingCore*>(object.Get());
                const char* kind = dim ? DimensionKind(dim->Type()) : nullptr;
                if (!kind) continue;
                const tvapi::IDimensionTextPtr text(object);
                out << kind << ' ' << (text ? text->GetNominalValue() : 0.0) << ": \""
                    << tvhost::ToUtf8(dim->Text("Upper").Str()) << "\" \""
                    << tvhost::ToUtf8(dim->Text("Lower").Str()) << "\"\n";
            }
    if (model) PrintModelDimensions(tvapi::IPartPtr(&model->TopPart()), out, 0);
    // What a library stored with the document: its user-data items and its attributes by type.
    for (const tvhost::THostUserDataStoragePtr& storage : core->Data().UserData.Document().Storages())
        for (const tvhost::TUserDataItem& item : storage->Items())
            out << "user data \"" << tvhost::ToUtf8(storage->Name()) << "\" \"" << tvhost::ToUtf8(item.Key)
                << "\": " << (item.IsObjects ? item.Objects.size() : item.Bytes.size())
                << (item.IsObjects ? " objects\n" : " bytes\n");
    for (const tvhost::THostAttributeTypePtr& type : core->Data().Attributes.Types()) {
        std::size_t count = 0;
        for (const tvhost::THostAttributePtr& a : core->Data().Attributes.Attributes())
            count += !a->IsRemoved() && &a->Type() == type.Get();
        out << "attributes \"" << tvhost::ToUtf8(type->Name()) << "\": " << count << '\n';
    }
    return ecSuccess;
}

// Whether `svg` may be written, checked through `checked` (its name through its open folder): no
// file the export reads (`doc`, and once it is open, the parts its model is made of); false,
// told, when it is one.
bool MayWrite(const std::optional<TFileId>& checked, const std::string& svg, const std::string& doc,
              const tvhost::THostDocuments* documents, std::ostream& err)
{
    const TReadBy by = ReaderOf(checked, TReadFiles{{}, {}, doc, documents});
    switch (by.Kind) {
    case TReadKind::rkNone:
        return true;
    case TReadKind::rkDocument:
        err << "tvhost: will not export " << doc << " onto itself\n";
        return false;
    case TReadKind::rkComponent:
        err << "tvhost: will not export " << doc << " onto " << svg << ", its component " << by.Component
            << '\n';
        return false;
    default:
        err << "tvhost: will not export " << doc << " onto " << svg << ": " << by.Why << '\n';
        return false;
    }
}

} // namespace

int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() == 3 && args[1] == "--dimensions") return PrintDimensions(args[2], out, err);
    if (args.size() != 4 || (args[1] != "--svg" && args[1] != "--step")) {
        err << "tvhost: usage: tvhost export --svg DOC OUT.svg | --step DOC OUT.step | --dimensions DOC\n";
        return ecUsage;
    }
    const bool step = args[1] == "--step";
    const std::string& doc = args[2];
    const std::string& svg = args[3];
    TOutput output(svg);
    if (!output.Opened()) {
        err << "tvhost: cannot write " << svg << ": " << output.Error() << '\n';
        return ecRunFailed;
    }
    if (!MayWrite(output.Checked(), svg, doc, nullptr, err)) return ecUsage;
    tvhost::THost host;
    host.App().SetBoxOutput(&err); // what an open left out of the file
    tvhost::THostDocuments& documents = host.App().Documents();
    const tvapi::ITervanDocumentPtr document = documents.OpenFile(tvhost::FileNameFromBytes(doc));
    auto* core = dynamic_cast<tvhost::TDocumentCore*>(document.Get());
    if (!core) {
        err << "tvhost: cannot read " << doc << ": " << documents.OpenError() << '\n';
        return ecRunFailed;
    }
    if (!MayWrite(output.Checked(), svg, doc, &documents, err)) return ecUsage;
    output.Hold();
    const std::string& to = output.Name();
    std::string error;
    if (step) {
        auto* model = dynamic_cast<tvhost::THostDocument3D*>(core);
        if (!model) {
            err << "tvhost: " << doc << " is no part or assembly\n";
            return ecRunFailed;
        }
        if (!tvhost::WriteStepFile(model->TopPart().PlacedShapes(), to, error)) {
            err << "tvhost: cannot write " << svg << ": " << error << '\n';
            return ecRunFailed;
        }
    } else if (auto* model = dynamic_cast<tvhost::THostDocument3D*>(core)) {
        // A part or assembly is drawn as its hidden-line projection.
        std::string picture;
        if (!tvhost::PartSvg(model->TopPart().PlacedShapes(), picture, error) ||
            !tvhost::WriteFileAtomically(to, picture, error)) {
            err << "tvhost: cannot write " << svg << ": " << error << '\n';
            return ecRunFailed;
        }
    } else if (!tvhost::WriteSvgFile(*core, tvhost::FileNameFromBytes(to), error)) {
        err << "tvhost: cannot write " << svg << ": " << error << '\n';
        return ecRunFailed;
    }
    out << "tvhost: wrote " << svg << '\n';
    return ecSuccess;
}

} // namespace tvrun
