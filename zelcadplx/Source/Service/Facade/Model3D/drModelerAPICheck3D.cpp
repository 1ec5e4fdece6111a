// ==== drApi::TModelerApi (drModelerAPI.h), part: the check of a part before its save ===========
// Every part a component builder makes passes here before it is saved: a part whose bodies are
// not the solids its builder expects is closed unsaved, so no file holds an empty or torn part.

#include "drModelerAPI.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "Messager.h"
#include "maTervan.h"
#include "tvapi/ModelObjects.h"

namespace drApi {

namespace {

// Whether Object is a body of one solid, of positive, finite volume inside a finite box. The
// kernel counts the solids: a body cut in two has a volume and a box but is two solids. A body
// the host gives no box for leaves the box's NaNs, and fails.
bool IsSolid(const tvapi::IModelObjectPtr& Object)
{
    const tvapi::IBodyPtr body(Object);
    if (!body || body->GetSolidCount() != 1) return false;
    const double volume = body->GetVolume();
    if (!(volume > 0) || !std::isfinite(volume)) return false;
    double b[6];
    std::fill(std::begin(b), std::end(b), std::numeric_limits<double>::quiet_NaN());
    body->GetGabarit(b[0], b[1], b[2], b[3], b[4], b[5]);
    for (int i = 0; i < 3; ++i)
        if (!std::isfinite(b[i]) || !std::isfinite(b[i + 3]) || !(b[i] <= b[i + 3])) return false;
    return true;
}

} // namespace

void TModelerApi::drExpect3D(Integer Bodies, Str const& Size)
{
    R3->ExpectBodies = Bodies;
    R3->ExpectSize = Size;
}

void TModelerApi::drHoldBoxes3D()
{
    R3->HoldBoxes = true;
}

Boolean TModelerApi::drRefused3D() const
{
    return R3->Refused3D;
}

std::vector<Str> TModelerApi::TakeHeldBoxes()
{
    TRegistryApi& r = *R3;
    r.HoldBoxes = false;
    std::vector<Str> held;
    held.swap(r.HeldBoxes);
    return held;
}

TString TModelerApi::WithHeldOnce(TString Told, std::span<const Str> Held)
{
    // A sheet drawn before its part, its boxes held for the part's, tells again what the part
    // tells: the refusal reads each once.
    for (auto box = Held.begin(); box != Held.end(); ++box)
        if (std::find(Held.begin(), box, *box) == box) Told = Told + "\n" + *box;
    return Told;
}

void TModelerApi::ShowHeldBoxes()
{
    for (const Str& box : TakeHeldBoxes())
        LiftBox(box);
}

void TModelerApi::DiscardPart3D()
{
    TRegistryApi& r = *R3;
    if (r.IDoc) r.IDoc->Close(tvapi::kdDoNotSaveChanges);
    // The file drCreate3D wrote holds no part of this size: it goes with the document.
    FailedSave3D();
    r.Obj3D.Reset();
    r.Obj.Reset();
    r.IDoc.Reset();
    r.IDoc3D.Reset();
    r.Part.Reset();
    r.ExpectBodies = -1;
}

Boolean TModelerApi::PartPasses3D()
{
    TRegistryApi& r = *R3;
    const Integer expected = r.ExpectBodies;
    if (expected < 0 || !r.IDoc || !r.IDoc3D) return true;
    // The document's own part: r.Part may be a part inserted into it.
    const tvapi::IPartPtr top = r.IDoc3D->GetTopPart();
    const tvapi::IModelObjectPtr part(top);
    const std::vector<tvapi::IModelObjectPtr> bodies =
        part ? GetObjects(part, tvapi::o3d_body) : std::vector<tvapi::IModelObjectPtr>();
    bool whole = static_cast<Integer>(bodies.size()) == expected;
    for (const tvapi::IModelObjectPtr& body : bodies)
        whole = whole && IsSolid(body);
    if (whole) return true;
    // One box: the size refused, then whatever was told while the part was built.
    TString told = DC("Деталь не построена") + ": " +
                   (r.ExpectSize.Empty() && top ? TString(top->GetName()) : r.ExpectSize);
    told = WithHeldOnce(told, TakeHeldBoxes());
    DiscardPart3D();
    Messager.LiftBox(told, TMessager::toApi);
    return false;
}

} // namespace drApi
