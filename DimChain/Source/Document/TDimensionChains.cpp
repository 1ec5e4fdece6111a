// The chain set: its byte form, its item in the document's user data, the reference numbers
// and attributes by which its links find their drawing objects again, and the change check.

#include "TDimensionChains.h"

#include "ChainFollow.h"
#include "ChainHost.h"
#include "Dictionary.h"
#include "FacadeChainHost.h"
#include "KmfData.h"
#include "Messager.h"
#include "drModelerAPI.h"
#include "tvapi/Application.h"
#include "tvapi/Attributes.h"
#include "tvapi/Documents.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <map>
#include <utility>

namespace {

// Sections after the chains, each behind its tag and written only when it holds anything;
// sets without them read as before, in any order: the reference numbers of the dimensions
// derived links were taken from ("PRNT"); the closing dimensions' own texts ("OWNT"); the
// settings the chains' figures were calculated with, where any differ from the chain's own
// ("FIGS"); which chains are checked ("CHKD"); the figures of their checks ("CHKF"); how each link was
// derived and projected ("LINK"); the items and character heights of own texts that have any
// ("OWNF", after "OWNT"); the own texts' strings whole where any character of them has no CP1251
// code ("OWNW", after "OWNF"), each character a Unicode scalar other than U+0000 (`KeptCharacter`,
// which the reader holds them to: a kept text ends at its first U+0000); the reference numbers of
// the objects laid on links beside their own: the projection's segment or dimension and the angular
// dimension, per link ("LAID").
constexpr Integer FiguresTag = 0x53474946;
constexpr Integer RecordTag = 0x4B4E494C;
constexpr Integer LaidTag = 0x4449414C;
constexpr std::int64_t RecordStreamBytes = 8; // a derivation (0 to 3) and a projection kind per link
constexpr Integer ParentsTag = 0x544E5250;
constexpr Integer OwnTextsTag = 0x544E574F;
constexpr Integer OwnFormTag = 0x464E574F;
constexpr Integer OwnWideTag = 0x574E574F;
constexpr std::int64_t OwnFormStreamBytes = 8; // at least two counts of lines per chain
constexpr Integer CheckedTag = 0x444B4843;
constexpr std::int64_t CheckedStreamBytes = 4; // a flag, 0 or 1, per chain
constexpr Integer CheckFiguresTag = 0x464B4843;
constexpr std::int64_t CheckFiguresStreamBytes = 1; // at least a flag per chain

// Records of the re-binding are gathered with this room first.
constexpr std::size_t RepairRoom = 1024;

// Every value of a "Reference Object" attribute lives in cell (0, 0).
constexpr int ValueRow = 0;
constexpr int ValueColumn = 0;

// The identity of a host object: its base interface.
const void* IdentityOf(const tvapi::ITervanAPIObjectPtr& Object)
{
    return tvapi::IAPIObjectPtr(Object).Get();
}

// The type's attributes of the facade's document, in the host's order.
tvapi::AttributeList MarksOf(Real AttrType)
{
    const tvapi::ITervanDocumentPtr& doc = drApi::MA.R3->IDoc;
    if (!doc || !drApi::MA.drIsAttrStr(AttrType)) return {};
    return doc->GetAttributes(0, 0, 0, 0, static_cast<std::uint64_t>(AttrType), {});
}

// The number a mark carries: false when its first value is no text.
bool MarkNumber(tvapi::IAttribute& Mark, Reference& Number)
{
    const tvapi::AttributeValue value = Mark.GetValue(ValueRow, ValueColumn);
    if (value.GetValueType() != tvapi::AttributeValue::Value) return false;
    const tvapi::PropertyValue& property = value.GetProperty();
    if (property.GetValueType() != tvapi::PropertyValue::prop_string) return false;
    Number = TString(property.GetString()).toInteger();
    return true;
}

// Numbering of one save: the numbers marks carry now, those given in this pass by object
// identity, and the next free number past every number in sight. Between saves an object keeps
// its number through its mark; no number is kept by address, since a later object at the
// same address would take it over.
class TNumbering {
public:
    void Carried(const void* Id, Reference Number)
    {
        if (Id && Number != 0 && !FCarried.count(Id)) FCarried[Id] = Number;
        Seen(Number);
    }
    void Seen(Reference Number) { FHighest = std::max(FHighest, Number); }

    Reference Of(const tvapi::ITervanAPIObjectPtr& Object)
    {
        const void* id = IdentityOf(Object);
        if (!id) return 0;
        if (const auto given = FGiven.find(id); given != FGiven.end()) return given->second;
        Reference number = 0;
        if (const auto carried = FCarried.find(id); carried != FCarried.end() && Free(carried->second, id))
            number = carried->second;
        else
            number = Next();
        FGiven[id] = number;
        FTaken[number] = id;
        return number;
    }

private:
    // Not carried by, nor given in this pass to, another object.
    bool Free(Reference Number, const void* Id) const
    {
        if (Number == 0) return false;
        if (const auto taken = FTaken.find(Number); taken != FTaken.end() && taken->second != Id)
            return false;
        for (const auto& [other, carried] : FCarried)
            if (carried == Number && other != Id) return false;
        return true;
    }
    Reference Next()
    {
        if (FHighest < std::numeric_limits<Reference>::max()) return ++FHighest;
        Reference n = 1; // past the largest number: the lowest one nobody holds
        while (!Free(n, nullptr))
            ++n;
        return n;
    }

    std::map<const void*, Reference> FCarried;
    std::map<const void*, Reference> FGiven;
    std::map<Reference, const void*> FTaken;
    Reference FHighest = 0;
};

std::int64_t LinkCount(const TArrayOf<TDimensionChain>& Chains)
{
    std::int64_t links = 0;
    for (const TDimensionChain& chain : Chains)
        links += chain.Count();
    return links;
}

template <class P> void Bind(P& Target, const tvapi::IDrawingObjectPtr& Object)
{
    if (Target && Target == Object) return;
    Target = Object;
}

tvapi::ITervanDocumentPtr ActiveDocument()
{
    tvapi::IApplication* app = drApi::MA.Application();
    return app ? app->GetActiveDocument() : tvapi::ITervanDocumentPtr();
}

// Whether every figure a link holds is a number: its dimension's, its angle's, the ones the user
// gave it and its place.
bool FiguresAreNumbers(const TDimension& L)
{
    const auto numbers = [](std::initializer_list<Real> figures) {
        return std::all_of(figures.begin(), figures.end(), [](Real v) { return std::isfinite(v); });
    };
    return numbers({L.Nominal, L.QLow, L.QHigh, L.ANominal, L.AQLow, L.AQHigh}) &&
           numbers({L.EQLow, L.EQHigh, L.ONominal, L.OQLow, L.OQHigh, L.dLdT, L.dT}) &&
           numbers({L.KTransformation, L.VTransformation.x, L.VTransformation.y}) &&
           numbers({L.V2.x, L.V2.y, L.P1.x, L.P1.y, L.P2.x, L.P2.y, L.V3.x, L.V3.y, L.V3.z});
}

} // namespace

TDimensionChains::TDimensionChains()
{
    DimChains.Resize(1);
}

void TDimensionChains::Write(TKmfData& s) const
{
    try {
        s << AttrType << DimChains.Count;
        DimChains.toStream(s);
        if (Links([](const TDimension& link) { return link.refPearent != 0; })) {
            s << ParentsTag;
            for (const TDimensionChain& chain : DimChains)
                for (const TDimension& link : chain.Dimensions)
                    s << link.refPearent;
        }
        if (Links([](const TDimension& link) {
                return link.Number != 0 || link.Projection != TProjectionKind::Unknown;
            })) {
            s << RecordTag;
            for (const TDimensionChain& chain : DimChains)
                for (const TDimension& link : chain.Dimensions)
                    s << link.Number << static_cast<Integer>(link.Projection);
        }
        if (Links([](const TDimension& link) {
                return link.refProjectionObj != 0 || link.refAngleAuxObj != 0;
            })) {
            s << LaidTag;
            for (const TDimensionChain& chain : DimChains)
                for (const TDimension& link : chain.Dimensions)
                    s << link.refProjectionObj << link.refAngleAuxObj;
        }
        if (std::any_of(DimChains.begin(), DimChains.end(),
                        [](const TDimensionChain& chain) { return chain.OwnTexts.has_value(); })) {
            s << OwnTextsTag;
            for (const TDimensionChain& chain : DimChains)
                chain.ownTextsToStream(s);
        }
        if (std::any_of(DimChains.begin(), DimChains.end(), [](const TDimensionChain& chain) {
                return chain.OwnTexts && chain.OwnTexts->HasForm();
            })) {
            s << OwnFormTag;
            for (const TDimensionChain& chain : DimChains)
                chain.ownFormToStream(s);
        }
        if (std::any_of(DimChains.begin(), DimChains.end(), [](const TDimensionChain& chain) {
                return chain.OwnTexts && !chain.OwnTexts->Narrow();
            })) {
            s << OwnWideTag;
            for (const TDimensionChain& chain : DimChains)
                TDeviationTexts::WideToStream(s, chain.OwnTexts);
        }
        // A chain whose method was changed after its figures were calculated keeps both.
        if (std::any_of(DimChains.begin(), DimChains.end(),
                        [](const TDimensionChain& chain) { return chain.FiguresDiffer(); })) {
            s << FiguresTag;
            for (const TDimensionChain& chain : DimChains)
                chain.figuresToStream(s);
        }
        if (std::any_of(DimChains.begin(), DimChains.end(),
                        [](const TDimensionChain& chain) { return chain.Checked; })) {
            s << CheckedTag;
            for (const TDimensionChain& chain : DimChains)
                s << static_cast<Integer>(chain.Checked ? 1 : 0);
        }
        if (std::any_of(DimChains.begin(), DimChains.end(),
                        [](const TDimensionChain& chain) { return chain.CheckFigures.has_value(); })) {
            s << CheckFiguresTag;
            for (const TDimensionChain& chain : DimChains)
                chain.checkFiguresToStream(s);
        }
    } catch (...) {
        // What was written stays; the stream is the caller's.
    }
}

Boolean TDimensionChains::Read(TKmfData& s, Boolean ToEnd)
{
    try {
        const Real attr = s.ReadReal();
        const Integer count = s.ReadInteger();
        const std::int64_t chainBytes = TDimensionChain::StreamMinBytesFor(s.Version());
        if (s.ErrorReadFromFileToBufer || count < 0 || !s.CheckCount(count, chainBytes)) return false;
        TArrayOf<TDimensionChain> chains(0, 1);
        chains.fromStream(s);
        // The count stands twice; data that disagrees with itself is damaged.
        if (s.ErrorReadFromFileToBufer || chains.Count != count) return false;
        while (s.BytesLeft() >= 4)
            if (!ReadSection(s, chains)) return false;
        // A stored set is read to its last byte: bytes left over mean it was not ours.
        if (ToEnd && s.BytesLeft() != 0) return false;
        // An older set kept the check's figures in the closing link's note. Only a checked chain
        // has any (a drawing chain is never read as checked).
        if (std::none_of(chains.begin(), chains.end(),
                         [](const TDimensionChain& chain) { return chain.CheckFigures.has_value(); }))
            for (TDimensionChain& chain : chains)
                if (chain.Checked) chain.TakeCheckFiguresFromNote();
        for (TDimensionChain& chain : chains)
            if (!chain.Checked) chain.CheckFigures.reset();
        // No chain of more links than the closure search takes is closed: its mask has no
        // bit for the links past it.
        for (TDimensionChain& chain : chains)
            if (chain.Count() > TDimensionChain::MaxLinks) chain.Closed = false;
        const Integer size = chains.Size(), step = chains.Capacity(), cursor = chains.Current;
        DimChains.Set(chains.Detach(), size, std::max(step, 1));
        DimChains.SetCapacity(step);
        DimChains.Resize(count);
        DimChains.Current = cursor;
        AttrType = attr;
        return true;
    } catch (...) {
        return false;
    }
}

bool TDimensionChains::ReadSection(TKmfData& s, TArrayOf<TDimensionChain>& Chains)
{
    switch (s.ReadInteger()) {
    case FiguresTag:
        if (!s.CheckCount(Chains.Count, TDimensionChain::FiguresStreamBytes)) return false;
        for (TDimensionChain& chain : Chains)
            if (!chain.figuresFromStream(s)) return false;
        return true;
    case ParentsTag: {
        if (!s.CheckCount(LinkCount(Chains), sizeof(Reference))) return false;
        for (TDimensionChain& chain : Chains)
            for (TDimension& link : chain.Dimensions)
                s >> link.refPearent;
        return !s.ErrorReadFromFileToBufer;
    }
    case LaidTag: {
        if (!s.CheckCount(LinkCount(Chains), 2 * sizeof(Reference))) return false;
        for (TDimensionChain& chain : Chains)
            for (TDimension& link : chain.Dimensions)
                s >> link.refProjectionObj >> link.refAngleAuxObj;
        return !s.ErrorReadFromFileToBufer;
    }
    case RecordTag: {
        if (!s.CheckCount(LinkCount(Chains), RecordStreamBytes)) return false;
        for (TDimensionChain& chain : Chains)
            for (TDimension& link : chain.Dimensions) {
                const Integer number = s.ReadInteger(), kind = s.ReadInteger();
                if (number < 0 || number > 3 || kind < 0 ||
                    kind > static_cast<Integer>(TProjectionKind::Unknown))
                    return false;
                link.Number = number;
                link.Projection = static_cast<TProjectionKind>(kind);
            }
        return !s.ErrorReadFromFileToBufer;
    }
    case OwnTextsTag:
        for (TDimensionChain& chain : Chains)
            if (!chain.ownTextsFromStream(s)) return false;
        return true;
    case OwnFormTag:
        if (!s.CheckCount(Chains.Count, OwnFormStreamBytes)) return false;
        for (TDimensionChain& chain : Chains)
            if (!chain.ownFormFromStream(s)) return false;
        return true;
    case OwnWideTag:
        if (!s.CheckCount(Chains.Count, 4)) return false;
        for (TDimensionChain& chain : Chains)
            if (!TDeviationTexts::WideFromStream(s, chain.OwnTexts)) return false;
        return true;
    case CheckFiguresTag:
        if (!s.CheckCount(Chains.Count, CheckFiguresStreamBytes)) return false;
        for (TDimensionChain& chain : Chains)
            if (!chain.checkFiguresFromStream(s)) return false;
        return true;
    case CheckedTag:
        if (!s.CheckCount(Chains.Count, CheckedStreamBytes)) return false;
        for (TDimensionChain& chain : Chains) {
            const Integer flag = s.ReadInteger();
            if (flag != 0 && flag != 1) return false;
            // Only an assembly's chains are checked: a drawing chain taken as checked would
            // never be calculated again.
            chain.Checked = flag == 1 && chain.Is3D();
        }
        return !s.ErrorReadFromFileToBufer;
    default: // not ours
        return false;
    }
}

void TDimensionChains::to(std::vector<Byte>& Result) const
{
    TKmfData stream;
    Write(stream);
    stream.to(Result);
}

Boolean TDimensionChains::from(const std::vector<Byte>& Data)
{
    if (Data.empty()) return true;
    // Only a vector too short for the stream header is read as an old headerless one; a short
    // one that begins with the stream's mark is a cut one.
    Integer head = 0;
    if (Data.size() < TKmfData::SizeHeader && Data.size() >= sizeof head) {
        std::memcpy(&head, Data.data(), sizeof head);
        if (head == TKmfData::HeadKmf) return false;
    }
    TKmfData stream;
    stream.from(Data);
    return Read(stream, true);
}

bool TDimensionChains::Is3D() const
{
    for (const TDimensionChain& chain : DimChains)
        if (chain.Is3D()) return true;
    return false;
}

void TDimensionChains::MOto(std::vector<tvapi::ITervanAPIObjectPtr>& List) const
{
    List.clear();
    for (const TDimensionChain& chain : DimChains)
        for (const TDimension& link : chain.Dimensions)
            List.push_back(tvapi::ITervanAPIObjectPtr(link.MO));
}

Integer TDimensionChains::MOfrom(const std::vector<tvapi::ITervanAPIObjectPtr>& List)
{
    std::size_t links = 0;
    for (const TDimensionChain& chain : DimChains)
        links += static_cast<std::size_t>(std::max(chain.Count(), 0));
    if (List.empty() || DimChains.Count <= 0 || List.size() != links) return 0;
    std::size_t i = 0;
    Integer unbound = 0;
    for (TDimensionChain& chain : DimChains)
        for (TDimension& link : chain.Dimensions) {
            link.MO = tvapi::IModelObjectPtr(List[i++]);
            if (!link.MO && link.IsModel()) ++unbound;
        }
    return unbound;
}

Boolean TDimensionChains::SavetoUserStorage()
{
    SetAttr();
    std::vector<Byte> bytes;
    to(bytes);
    tvapi::ITervanDocumentPtr doc = ActiveDocument();
    if (!doc) return false;
    if (!drApi::MA.drSetUserData(doc, NameUserData, bytes, false, {})) return false;
    if (!Is3D()) return true;
    std::vector<tvapi::ITervanAPIObjectPtr> list;
    MOto(list);
    return drApi::MA.drSetUserData(doc, NameUserDataMO, list, false, {});
}

Boolean TDimensionChains::StoreConfirmed()
{
    // Whatever this run holds (the assembly panel's pool at least), it is not what was stored.
    if (StoredDamaged) return false;
    if (!SavetoUserStorage()) return false;
    StoredBefore.reset();
    StoredBeforeMO.clear();
    return true;
}

void TDimensionChains::TakeBackStore()
{
    if (!StoredBefore) return;
    tvapi::ITervanDocumentPtr doc = ActiveDocument();
    drApi::MA.drSetUserData(doc, NameUserData, *StoredBefore, false, {});
    if (!StoredBeforeMO.empty()) drApi::MA.drSetUserData(doc, NameUserDataMO, StoredBeforeMO, false, {});
    StoredBefore.reset();
    StoredBeforeMO.clear();
}

void TDimensionChains::SetAttr()
{
    if (Is3D()) return;
    AttrType = drApi::MA.drCreateAttrStr(AttrType);
    if (AttrType == 0.0) return;
    Number();
    ClearMarks();
    for (const TDimensionChain& chain : DimChains)
        for (const TDimension& link : chain.Dimensions) {
            drApi::MA.drSetObjectAttr(tvapi::ITervanAPIObjectPtr(link.Obj), AttrType,
                                      TString(link.refObject));
            drApi::MA.drSetObjectAttr(tvapi::ITervanAPIObjectPtr(link.AuxObj), AttrType,
                                      TString(link.refAuxiliaryObj));
            drApi::MA.drSetObjectAttr(tvapi::ITervanAPIObjectPtr(link.PearentObj), AttrType,
                                      TString(link.refPearent));
            drApi::MA.drSetObjectAttr(tvapi::ITervanAPIObjectPtr(link.ProjectionObj), AttrType,
                                      TString(link.refProjectionObj));
            drApi::MA.drSetObjectAttr(tvapi::ITervanAPIObjectPtr(link.AngleAuxObj), AttrType,
                                      TString(link.refAngleAuxObj));
        }
}

// An object keeps the number its mark carries; any other gets a new one past every number in
// the set and in the marks, the same for every link it is in. Never 0, and never one number
// for two objects (a mark copied onto a second object gives that one a new number).
void TDimensionChains::Number()
{
    TNumbering numbering;
    for (const tvapi::IAttributePtr& mark : MarksOf(AttrType)) {
        Reference number = 0;
        if (!mark || !MarkNumber(*mark, number)) continue;
        const tvapi::TervanAPIObjectList objects = mark->GetObjects();
        numbering.Carried(objects.empty() ? nullptr : IdentityOf(objects.front()), number);
    }
    for (const TDimensionChain& chain : DimChains)
        for (const TDimension& link : chain.Dimensions) {
            numbering.Seen(link.refObject);
            numbering.Seen(link.refAuxiliaryObj);
            numbering.Seen(link.refPearent);
            numbering.Seen(link.refProjectionObj);
            numbering.Seen(link.refAngleAuxObj);
        }
    for (TDimensionChain& chain : DimChains)
        for (TDimension& link : chain.Dimensions) {
            link.refObject = numbering.Of(tvapi::ITervanAPIObjectPtr(link.Obj));
            link.refAuxiliaryObj = numbering.Of(tvapi::ITervanAPIObjectPtr(link.AuxObj));
            link.refPearent = numbering.Of(tvapi::ITervanAPIObjectPtr(link.PearentObj));
            link.refProjectionObj = numbering.Of(tvapi::ITervanAPIObjectPtr(link.ProjectionObj));
            link.refAngleAuxObj = numbering.Of(tvapi::ITervanAPIObjectPtr(link.AngleAuxObj));
        }
}

void TDimensionChains::ClearMarks() const
{
    for (const tvapi::IAttributePtr& mark : MarksOf(AttrType))
        if (mark) mark->RemoveFromObjects(L"", mark->GetObjects());
}

void TDimensionChains::LoadfromUserStorage(TWrittenDeviations* Written, TChainHost* Objects)
{
    tvapi::ITervanDocumentPtr doc = ActiveDocument();
    std::vector<Byte> bytes;
    if (!drApi::MA.drGetUserData(doc, NameUserData, bytes, {})) return;
    // Damaged bytes leave the set as it was, and nothing is stored back over them.
    const TArrayOf<TDimensionChain> before = DimChains;
    const Real attrType = AttrType;
    if (!ReadStored(bytes, Objects ? *Objects : FacadeChainHost())) {
        DimChains = before;
        AttrType = attrType;
        StoredDamaged = true;
        Messager.LiftBox(DC(TString("Сохраненные размерные цепи повреждены и не прочитаны")),
                         TMessager::toAlways);
        return;
    }
    OpenUnsoundChains();
    // A caller with a host of its own follows the opening through it, once.
    if (!Objects) FollowOpening(FacadeChainHost(), Written);
}

void TDimensionChains::OpenUnsoundChains()
{
    bool tooShort = false, noNumbers = false, opened = false;
    for (TDimensionChain& chain : DimChains) {
        if (!chain.Closed) continue;
        if (chain.Count() < 2) {
            tooShort = true;
        } else if (!std::all_of(chain.Dimensions.begin(), chain.Dimensions.end(), FiguresAreNumbers) ||
                   chain.GivenBeyondBound()) {
            noNumbers = true;
        } else {
            continue; // its loop and signs are the opening's follow's to decide
        }
        chain.Open();
        if (chain.Checked) chain.DropCheckFigures();
        opened = true;
    }
    if (tooShort) Messager.LiftBox(DC(TString(TooShortText)), TMessager::toAlways);
    if (noNumbers) TellNoNumbers();
    OpenedOnReading = opened;
}

void TDimensionChains::DropUnbound()
{
    for (TDimensionChain& chain : DimChains)
        for (Integer i = chain.Count() - 1; i >= 0; --i) {
            const TDimension& link = chain.Dimensions[i];
            if (link.MO || !link.IsModel()) continue;
            chain.Dimensions.Delete(i);
            // The links after it keep their own signs, one place down.
            if (i < TDimensionChain::SignBits) {
                const Integer below = chain.StateClosed & ((Integer(1) << i) - 1);
                chain.StateClosed = below | ((chain.StateClosed >> (i + 1)) << i);
            }
            chain.Open();
        }
}

void TDimensionChains::RestoreReferenceByAttr()
{
    if (DimChains.Count <= 0 || Is3D()) return;
    std::vector<TRepairDim> records;
    records.reserve(RepairRoom);
    for (const tvapi::IAttributePtr& mark : MarksOf(AttrType)) {
        Reference number = 0;
        if (!mark || mark->GetValue(ValueRow, ValueColumn).GetValueType() != tvapi::AttributeValue::Value)
            continue;
        const tvapi::TervanAPIObjectList objects = mark->GetObjects();
        if (objects.empty()) continue;
        const tvapi::IDrawingObjectPtr object(objects.front());
        if (object && MarkNumber(*mark, number)) records.push_back({object, number});
    }
    std::vector<TBefore> before;
    for (const TDimensionChain& chain : DimChains)
        before.push_back({chain.Count(), chain.Closed && chain.Count() > 0
                                             ? chain.Dimensions[chain.Count() - 1].refObject
                                             : 0});
    const TString gone = DC(TString("Чертеж изменился! Отсутствуют елементы размерной цепи"));
    for (Integer c = DimChains.Count - 1; c >= 0; --c) {
        TArrayOf<TDimension>& links = DimChains[c].Dimensions;
        for (Integer i = links.Count - 1; i >= 0; --i) {
            TDimension& link = links[i];
            bool own = false, aux = false, parent = false, direction = false, angle = false;
            for (const TRepairDim& r : records) {
                if (!parent && link.refPearent != 0 && r.refStored == link.refPearent) {
                    Bind(link.PearentObj, r.Object);
                    // The view is not stored: a derived link is in the view of its source.
                    if (link.refObject == 0) link.View = drApi::MA.GetNumberView(link.PearentObj);
                    parent = true;
                }
                if (!own && link.refObject != 0 && r.refStored == link.refObject) {
                    Bind(link.Obj, r.Object);
                    link.View = drApi::MA.GetNumberView(link.Obj);
                    own = true;
                }
                if (!aux && link.refAuxiliaryObj != 0 && r.refStored == link.refAuxiliaryObj) {
                    Bind(link.AuxObj, r.Object);
                    aux = true;
                }
                if (!direction && link.refProjectionObj != 0 && r.refStored == link.refProjectionObj) {
                    Bind(link.ProjectionObj, r.Object);
                    direction = true;
                }
                if (!angle && link.refAngleAuxObj != 0 && r.refStored == link.refAngleAuxObj) {
                    Bind(link.AngleAuxObj, r.Object);
                    angle = true;
                }
            }
            // A projection whose object is gone keeps the direction it gave, as a lost direction
            // picked with a linear link does.
            if (!direction) {
                link.refProjectionObj = 0;
                link.ProjectionObj.Reset();
            }
            // A derivative link has no dimension of its own: its auxiliary object is its own,
            // and it needs the dimension it was taken from (unknown in older sets). A link of its
            // own dimension needs the angular dimension laid on it, which its figures follow, and
            // a diameter or radius the direction it is laid along; a lost direction a linear
            // link was picked with leaves it as it was laid.
            const bool circular = link.Type == tvapi::tvDrDDimension || link.Type == tvapi::tvDrRDimension;
            const bool needed =
                link.refAuxiliaryObj != 0 && (circular || link.TypeAuxiliary == tvapi::tvDrADimension);
            const bool whole =
                link.refObject != 0 ? own && (aux || !needed) : aux && (parent || link.refPearent == 0);
            // An angle laid beside the link's own auxiliary object is needed as one laid on it.
            if (whole && (angle || link.refAngleAuxObj == 0)) continue;
            Messager.LiftBox(gone, TMessager::toAlways);
            links.Delete(i);
        }
    }
    RecloseShortened(before);
}

// A chain that lost links shows its closure as it now is, by the loop rule, asked once: the
// opening's follow does not ask it again (FDecided). Every chain is tested before the
// opening's follow decides what the dimensions they let go of show; one that lost its closing
// dimension keeps no texts of it.
void TDimensionChains::RecloseShortened(const std::vector<TBefore>& Before)
{
    for (Integer c = 0; c < DimChains.Count && static_cast<std::size_t>(c) < Before.size(); ++c) {
        TDimensionChain& chain = DimChains[c];
        if (chain.Count() >= Before[c].Count) continue;
        chain.TakeLoop(chain.Loop());
        FDecided.push_back(c);
        const TDimension* last = chain.Count() > 0 ? &chain.Dimensions[chain.Count() - 1] : nullptr;
        if (!chain.Closed && (!last || last->refObject != Before[c].Closing)) chain.OwnTexts.reset();
    }
}

std::vector<TFollowedChain> TDimensionChains::FollowOpening(TChainHost& Host, TWrittenDeviations* Written,
                                                            Integer First)
{
    if (DimChains.Count <= 0) {
        DimChains.Resize(1);
        return {};
    }
    TFigureChange change;
    change.Everything = true;
    change.First = First;
    change.Decided = std::exchange(FDecided, {});
    change.Written = Written;
    const std::vector<TFollowedChain> followed = FollowFigures(DimChains, Host, change);
    const bool changed = TellChanged(followed, Host);
    const auto any = [&](TFollowed Outcome) {
        return std::any_of(followed.begin(), followed.end(),
                           [Outcome](const TFollowedChain& f) { return f.Outcome == Outcome; });
    };
    // A ring stored by an older version is refused though nothing of it changed.
    if (any(TFollowed::Refused)) TellRing();
    if (any(TFollowed::NoNumbers)) TellNoNumbers();
    // A chain the opening left or showed open is stored so: the next opening finds nothing to do.
    const bool opened = std::exchange(OpenedOnReading, false);
    if ((changed || opened || any(TFollowed::LeftOpen) || any(TFollowed::Refused) ||
         any(TFollowed::NoNumbers)) &&
        !StoredDamaged)
        StoreOpened();
    return followed;
}

void TDimensionChains::StoreOpened()
{
    tvapi::ITervanDocumentPtr doc = ActiveDocument();
    const bool model = Is3D();
    if (!StoredBefore) {
        std::vector<Byte> before;
        std::vector<tvapi::ITervanAPIObjectPtr> objects;
        if (drApi::MA.drGetUserData(doc, NameUserData, before, {})) {
            if (model) drApi::MA.drGetUserData(doc, NameUserDataMO, objects, {});
            StoredBefore = std::move(before);
            StoredBeforeMO = std::move(objects);
        }
    }
    // The marks stay as they are: the links kept carry the numbers they were found by, and
    // a cancel then gives back the document whole. OK marks the set afresh. A model set's list
    // goes with it, one entry per link it now holds.
    std::vector<Byte> bytes;
    to(bytes);
    drApi::MA.drSetUserData(doc, NameUserData, bytes, false, {});
    if (!model) return;
    std::vector<tvapi::ITervanAPIObjectPtr> list;
    MOto(list);
    drApi::MA.drSetUserData(doc, NameUserDataMO, list, false, {});
}

bool TDimensionChains::TellChanged(const std::vector<TFollowedChain>& Followed, TChainHost& Host) const
{
    const bool drawing = !Is3D(); // a model link has nothing to show in a drawing
    // A link is told once whatever it is made of: by its own dimension, else the one it was
    // derived from (a derived link has none of its own), else its model object.
    const auto toldAs = [](const TDimension& link) {
        const tvapi::IDrawingObjectPtr& own = link.Obj ? link.Obj : link.PearentObj;
        return TFigureSource{own, own ? tvapi::IModelObjectPtr() : link.MO};
    };
    std::vector<TFigureSource> told; // a dimension in several chains is told once
    const auto wasTold = [&](const TDimension& link) {
        const TFigureSource key = toldAs(link);
        return (key.Obj || key.MO) && std::any_of(told.begin(), told.end(), [&](const TFigureSource& s) {
                   return s.Obj == key.Obj && s.MO == key.MO;
               });
    };
    const auto show = [&](const TDimension& link) {
        if (told.empty() && drawing) Host.ClearSelection();
        told.push_back(toldAs(link));
        for (const tvapi::IDrawingObjectPtr& object :
             {link.Obj, link.AuxObj, link.PearentObj, link.ProjectionObj, link.AngleAuxObj})
            if (drawing) Host.Select(object);
    };
    for (const TFollowedChain& f : Followed)
        for (const Integer i : f.Changed) {
            const TDimension& link = DimChains[f.Chain].Dimensions[i];
            if (wasTold(link)) continue;
            show(link);
            Messager.LiftBox(DC(TString("Изменился размер ")), TMessager::toAlways);
        }
    // A loop broken while the document was closed with no figure changed (an angle turned, a
    // vertex, a ray or a part moved) is a change too: told once, its links shown, unless one of
    // them was.
    for (const TFollowedChain& f : Followed) {
        const TDimensionChain& chain = DimChains[f.Chain];
        if (!f.LostLoop || std::any_of(chain.Dimensions.begin(), chain.Dimensions.end(), wasTold)) continue;
        for (const TDimension& link : chain.Dimensions)
            show(link);
        Messager.LiftBox(DC(TString("Изменился размер ")), TMessager::toAlways);
    }
    return !told.empty();
}

void TDimensionChains::TellRing()
{
    Messager.LiftBox(DC(TString("Цепи не могут зависеть друг от друга по кругу")), TMessager::toAlways);
}

void TDimensionChains::TellNoNumbers()
{
    Messager.LiftBox(DC(TString(NoNumbersText)), TMessager::toAlways);
}
