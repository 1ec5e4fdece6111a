// Copies of bodies in a stand-in part.
#include "HostCopyFeatures.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "HostArgs.h"
#include "HostAuxGeometry.h"
#include "HostDocuments.h"
#include "HostPart.h"

namespace tvhost {

namespace {

using json = nlohmann::json;
using TObjects = std::vector<tvapi::IModelObjectPtr>;

bool IsBodyOf(const THostPart& part, const tvapi::IModelObject* object)
{
    return std::any_of(part.Bodies().begin(), part.Bodies().end(), [object](const THostBodyPtr& body) {
        return static_cast<const tvapi::IModelObject*>(body.Get()) == object;
    });
}

// Journaled as "ICopyGeometry::<operation>".
class THostCopyGeometry final : public THostListedFeature<tvapi::ICopyGeometry> {
public:
    explicit THostCopyGeometry(TFeatureListRef list) : THostListedFeature(tvapi::o3d_unknown, std::move(list))
    {
    }

    void SetObjects(const TObjects& objects) override
    {
        if (!Enter("ICopyGeometry::SetObjects", {ListArg(objects)})) return;
        const std::shared_ptr<TFeatureList> list = List();
        FOperands.clear();
        FStranger = false;
        for (const tvapi::IModelObjectPtr& object : objects) {
            FOperands.push_back(TBodyOperand::Of(list.get(), object.Get()));
            FStranger = FStranger || (FOperands.back().Index < 0 && !FOperands.back().Shape);
        }
    }
    void SetSource(tvapi::Ptr<tvapi::ITervanDocument3D> document, tvapi::IPartPtr part,
                   const TObjects& objects) override
    {
        if (!Enter("ICopyGeometry::SetSource",
                   {ObjectArg(document.Get()), ObjectArg(part.Get()), ListArg(objects)}))
            return;
        const THostPart* source = HostAs<THostPart>(part);
        if (!part)
            if (THostDocument3D* doc = HostAs<THostDocument3D>(document)) source = &doc->TopPart();
        const std::shared_ptr<TFeatureList> list = List();
        FOperands.clear();
        FStranger = !source;
        for (const tvapi::IModelObjectPtr& object : objects) {
            FStranger = FStranger || !source || !IsBodyOf(*source, object.Get());
            FOperands.push_back(TBodyOperand::Of(list.get(), object.Get()));
        }
    }
    void SetLocalCoordinateSystem(tvapi::ILocalCoordinateSystemPtr system) override
    {
        if (!Enter("ICopyGeometry::SetLocalCoordinateSystem", {ObjectArg(system.Get())})) return;
        FSystem = tvapi::IModelObjectPtr(system);
        FMatrix.clear();
    }

    bool Apply(TBodies& bodies, std::string& error) override
    {
        TFrame frame;
        if (FOperands.empty() || FStranger) {
            error =
                FStranger ? "an object of the copy is not a body of its source" : "the copy has no bodies";
            return false;
        }
        if (!MatrixFrame(Matrix(), frame)) {
            error = "the copy has no local coordinate system to be placed by";
            return false;
        }
        TBodies result = bodies;
        for (const TBodyOperand& operand : FOperands) {
            const TShape shape = operand.ShapeIn(bodies);
            if (!shape) {
                error = "a body of the copy is missing";
                return false;
            }
            if (!ApplyTool(result, Moved(shape, frame), tvapi::tvOperationNewBody, false, error))
                return false;
        }
        bodies = std::move(result);
        return true;
    }
    void Write(json& out, const TRefer&) const override
    {
        json operands = json::array();
        for (const TBodyOperand& operand : FOperands)
            operands.push_back(operand.Json());
        out = {{"operands", operands}, {"matrix", Matrix()}, {"stranger", FStranger}};
    }
    void Read(const json& in, const TFind&) override
    {
        FOperands.clear();
        for (const json& operand : in.at("operands"))
            FOperands.push_back(TBodyOperand::FromJson(operand));
        FMatrix = in.at("matrix").get<std::vector<double>>();
        FStranger = in.at("stranger").get<bool>();
        FSystem.Reset();
    }

private:
    // The system's matrix as it is now (the copy follows it), or as read from a file.
    std::vector<double> Matrix() const
    {
        std::vector<double> matrix = FMatrix;
        if (FSystem) LocalSystemMatrixOf(FSystem, matrix);
        return matrix;
    }

    std::vector<TBodyOperand> FOperands;
    bool FStranger = false; // an object given is no body of the source
    tvapi::IModelObjectPtr FSystem;
    std::vector<double> FMatrix;
};

} // namespace

tvapi::ICopyGeometryPtr NewCopyGeometry(const std::shared_ptr<TFeatureList>& list)
{
    const tvapi::Ptr<THostCopyGeometry> feature = New<THostCopyGeometry>(list);
    list->Append(tvapi::IModelObjectPtr(feature), *feature, ListKindCopy);
    return tvapi::ICopyGeometryPtr(feature);
}

} // namespace tvhost
