#pragma once
// Core of the stand-in host's 2D drawing objects: the parameters an object keeps (in the
// order first set, with a log of every set), its texts (lines of items), its place in the
// document (parent container, layer, group), and the container that views and macro
// objects are. Concrete objects add their interfaces' operations over these.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "HostObject.h"
#include "tvapi/DrawingComposites.h"
#include "tvapi/DrawingObject.h"
#include "tvapi/DrawingTexts.h"

namespace tvhost {

class TDrawing2D;
class TContainerCore;

// Segments, arcs, circles and ellipses.
bool IsCurveKind(tvapi::DrawingObjectTypeEnum type) noexcept;

// A journal argument of a real: shortest text that reads back to the same value.
std::string NumberArg(double value);

using TParamValue =
    std::variant<bool, std::int64_t, double, std::wstring, std::vector<double>, std::vector<std::uint8_t>>;

// Named parameters in the order they were first set; setting again replaces the value in
// place. Every set is logged, so tests can check the order a library used.
class TParams {
public:
    using TItem = std::pair<std::string, TParamValue>;

    void Set(std::string_view name, TParamValue value);
    const TParamValue* Find(std::string_view name) const noexcept;
    bool Has(std::string_view name) const noexcept { return Find(name) != nullptr; }
    // A number of any kind (a Boolean is 0 or 1); `fallback` when unset or not a number.
    double Real(std::string_view name, double fallback = 0.0) const noexcept;
    std::int64_t Int(std::string_view name, std::int64_t fallback = 0) const noexcept;
    bool Flag(std::string_view name) const noexcept { return Real(name) != 0.0; }
    std::wstring Text(std::string_view name) const;
    std::vector<double> Reals(std::string_view name) const;
    std::vector<std::uint8_t> Bytes(std::string_view name) const;

    const std::vector<TItem>& Items() const noexcept { return FItems; }
    // The name of every Set, in call order.
    const std::vector<std::string>& Log() const noexcept { return FLog; }
    // Equal values of equal names in equal order; the logs are not compared.
    bool operator==(const TParams& other) const { return FItems == other.FItems; }

private:
    std::vector<TItem> FItems;
    std::vector<std::string> FLog;
};

struct TTextItemData {
    std::wstring Str;
    double Height = 0.0; // 0: the text's own height applies
    bool operator==(const TTextItemData&) const = default;
};

struct TTextLineData {
    std::vector<TTextItemData> Items;
    std::wstring Str() const;
    bool operator==(const TTextLineData&) const = default;
};

struct TTextData {
    std::vector<TTextLineData> Lines;
    // Lines joined with "\n".
    std::wstring Str() const;
    // One line per "\n"-separated piece, each with one item.
    void SetStr(std::wstring_view text);
    bool operator==(const TTextData&) const = default;
};

// What every 2D object keeps, and its test side.
class TDrawingCore {
public:
    TDrawingCore(const TDrawingCore&) = delete;
    TDrawingCore& operator=(const TDrawingCore&) = delete;

    tvapi::DrawingObjectTypeEnum Type() const noexcept { return FType; }
    TParams& Params() noexcept { return FParams; }
    const TParams& Params() const noexcept { return FParams; }
    // The text `name`, made empty on first use.
    TTextData& Text(const std::string& name) { return FTexts[name]; }
    const std::map<std::string, TTextData>& Texts() const noexcept { return FTexts; }
    TContainerCore* ParentContainer() const noexcept { return FParent; }
    int Layer() const noexcept { return FLayer; }
    void SetLayer(int layer) noexcept { FLayer = layer; }
    // Host id of the group the object was made in; 0 for none.
    std::uint64_t Group() const noexcept { return FGroup; }
    void SetGroup(std::uint64_t group) noexcept { FGroup = group; }
    int Updates() const noexcept { return FUpdates; }
    bool IsDeleted() const noexcept { return FDeleted; }
    // Deletes the object as the host does on its own account (not journaled).
    void Discard() noexcept;
    // Boundary objects of a hatch or colouring, in the order added.
    tvapi::DrawingObjectList& Boundaries() noexcept { return FBoundaries; }
    // The branches of a leader or a sign (IBranchs): end points kept as x, y pairs under
    // "Branches". A new branch goes before `index`, at the end when index is out of range.
    bool AddBranchByPoint(int index, double x, double y);
    int GetBranchCount();

    // The object as its drawing-object interface, without a reference.
    virtual tvapi::IDrawingObject* DrawingObject() noexcept = 0;
    // The object as a container, for a macro object; null for others.
    virtual TContainerCore* AsContainer() noexcept { return nullptr; }

protected:
    explicit TDrawingCore(tvapi::DrawingObjectTypeEnum type) noexcept : FType(type) {}
    virtual ~TDrawingCore() = default;

    // Journaled parameter access: Enter(op) then the parameter `key`; a failing call gives
    // 0, false or empty, and sets nothing.
    double GetReal(std::string_view op, std::string_view key);
    void SetReal(std::string_view op, std::string_view key, double value);
    int GetInt(std::string_view op, std::string_view key);
    void SetInt(std::string_view op, std::string_view key, std::int64_t value);
    bool GetBool(std::string_view op, std::string_view key);
    void SetBool(std::string_view op, std::string_view key, bool value);
    std::wstring GetText(std::string_view op, std::string_view key);
    void SetText(std::string_view op, std::string_view key, const wchar_t* value);

    // The operations of IDrawingObject, journaled as "IDrawingObject::<operation>".
    tvapi::DrawingObjectTypeEnum DoGetType();
    tvapi::ITervanAPIObjectPtr DoGetParent();
    bool DoDelete();
    // The first update of a segment, arc or circle made under the document's local
    // placements maps it through them (HostLocalPlacement.h): it is complete by then.
    bool DoUpdate();

private:
    // Maps the object through the first FUnderPlacements placements of its drawing, once.
    void PlaceUnderLocalPlacements();
    friend class TContainerCore;
    friend class TDrawing2D;

    tvapi::DrawingObjectTypeEnum FType;
    TParams FParams;
    std::map<std::string, TTextData> FTexts;
    tvapi::DrawingObjectList FBoundaries;
    TContainerCore* FParent = nullptr;
    int FLayer = 0;
    std::uint64_t FGroup = 0;
    int FUpdates = 0;
    bool FDeleted = false;
    // How many local placements were open when the object was made; 0 once it is mapped.
    std::size_t FUnderPlacements = 0;
};

// A host drawing object offering IMain (an IDrawingObject) and IOthers.
template <class IMain, class... IOthers>
class THostDrawingObjectOf : public THostObjectOf<IMain, IOthers...>, public TDrawingCore {
public:
    tvapi::DrawingObjectTypeEnum GetDrawingObjectType() override { return DoGetType(); }
    tvapi::ITervanAPIObjectPtr GetParent() override { return DoGetParent(); }
    bool Delete() override { return DoDelete(); }
    bool Update() override { return DoUpdate(); }
    int GetLayerNumber() override
    {
        return THostObject::Enter("IDrawingObject::GetLayerNumber") ? Layer() : 0;
    }
    bool IsCurve() override { return THostObject::Enter("IDrawingObject::IsCurve") && IsCurveKind(Type()); }
    tvapi::IDrawingObject* DrawingObject() noexcept override { return static_cast<IMain*>(this); }

protected:
    explicit THostDrawingObjectOf(tvapi::DrawingObjectTypeEnum type) noexcept : TDrawingCore(type) {}
};

// The objects of a view or macro object, in creation order, each held by a reference.
class TContainerCore {
public:
    TContainerCore(const TContainerCore&) = delete;
    TContainerCore& operator=(const TContainerCore&) = delete;

    const tvapi::DrawingObjectList& Children() const noexcept { return FChildren; }
    // The children of kind `type` (tvAllObj: all).
    tvapi::DrawingObjectList Objects(tvapi::DrawingObjectTypeEnum type) const;
    // Takes a new object in: parent, the current layer and the open group are set.
    void Adopt(TDrawingCore& object);
    // Takes an object out (its parent is cleared); false when it is no child.
    bool Remove(TDrawingCore& object);

    // The document's drawing; null once the document is gone.
    virtual TDrawing2D* Drawing() const noexcept = 0;
    // The layer new objects go to.
    virtual int CurrentLayer() const noexcept = 0;
    // The container as a parent object, with a new reference.
    virtual tvapi::ITervanAPIObjectPtr AsParent() = 0;
    // False once the container cannot take objects (its document or itself is gone).
    virtual bool CanAdd() const noexcept { return Drawing() != nullptr; }

protected:
    TContainerCore() = default;
    // Detaches the children still held: they live on without a parent.
    virtual ~TContainerCore();

private:
    tvapi::DrawingObjectList FChildren;
};

// The text `name` of an object, through its three interfaces. Each wrapper holds the
// object alive; a line or item that no longer exists reads as empty and takes nothing.
class THostText final : public THostObjectOf<tvapi::IText> {
public:
    THostText(tvapi::IAPIObjectPtr owner, TDrawingCore& core, std::string name)
        : FOwner(std::move(owner)), FCore(core), FName(std::move(name))
    {
    }

    // Journaled as "IText::<operation>".
    tvapi::ITextLinePtr Add() override;
    int GetCount() override;
    tvapi::ITextLinePtr GetLine(int index) override;
    std::wstring GetStr() override;
    void SetStr(const wchar_t* text) override;

private:
    tvapi::IAPIObjectPtr FOwner;
    TDrawingCore& FCore;
    std::string FName;
};

class THostTextLine final : public THostObjectOf<tvapi::ITextLine> {
public:
    THostTextLine(tvapi::IAPIObjectPtr owner, TDrawingCore& core, std::string name, std::size_t line)
        : FOwner(std::move(owner)), FCore(core), FName(std::move(name)), FLine(line)
    {
    }

    // Journaled as "ITextLine::<operation>".
    tvapi::ITextItemPtr Add() override;
    int GetCount() override;
    tvapi::ITextItemPtr GetItem(int index) override;
    std::wstring GetStr() override;
    void SetStr(const wchar_t* text) override;

private:
    TTextLineData* Line();

    tvapi::IAPIObjectPtr FOwner;
    TDrawingCore& FCore;
    std::string FName;
    std::size_t FLine;
};

class THostTextItem final : public THostObjectOf<tvapi::ITextItem, tvapi::ITextFont> {
public:
    THostTextItem(tvapi::IAPIObjectPtr owner, TDrawingCore& core, std::string name, std::size_t line,
                  std::size_t item)
        : FOwner(std::move(owner)), FCore(core), FName(std::move(name)), FLine(line), FItem(item)
    {
    }

    // Journaled as "ITextItem::<operation>" and "ITextFont::<operation>".
    std::wstring GetStr() override;
    void SetStr(const wchar_t* text) override;
    bool Update() override;
    double GetHeight() override;
    void SetHeight(double height) override;

    // Test side: updates of the item.
    int Updates() const noexcept { return FUpdates; }

private:
    TTextItemData* Item();

    tvapi::IAPIObjectPtr FOwner;
    TDrawingCore& FCore;
    std::string FName;
    std::size_t FLine;
    std::size_t FItem;
    int FUpdates = 0;
};

// Wrapper of the text `name` of `core`, the object `self` denotes.
tvapi::ITextPtr MakeText(tvapi::IAPIObject* self, TDrawingCore& core, const std::string& name);
// Wrapper of line 0 of the text `name` (made when missing), for one-line texts such as a
// dimension's prefix.
tvapi::ITextLinePtr MakeSingleLine(tvapi::IAPIObject* self, TDrawingCore& core, const std::string& name);

} // namespace tvhost

namespace tvhost {

// Makes an object of class TObject in `container`; empty when the container takes none.
template <class TObject, class IItem> tvapi::Ptr<IItem> AddObjectTo(TContainerCore& container)
{
    if (!container.CanAdd()) return {};
    tvapi::Ptr<TObject> made = New<TObject>();
    container.Adopt(*made);
    return tvapi::Ptr<IItem>(made.Get());
}

// A collection whose Add makes a TObject in its container, journaled as `op`. It holds
// the container alive through `keep`.
template <class ICollection, class TObject, class IItem>
class THostCollectionOf final : public THostObjectOf<ICollection> {
public:
    THostCollectionOf(TContainerCore& container, tvapi::IAPIObjectPtr keep, const char* op)
        : FContainer(container), FKeep(std::move(keep)), FOp(op)
    {
    }

    tvapi::Ptr<IItem> Add() override
    {
        if (!THostObject::Enter(FOp)) return {};
        return AddObjectTo<TObject, IItem>(FContainer);
    }

private:
    TContainerCore& FContainer;
    tvapi::IAPIObjectPtr FKeep;
    const char* FOp;
};

// A collection whose Add(type), journaled as `op` with the type, makes a TObject in its
// container for the type Kind only. It holds the container alive through `keep`.
template <class ICollection, class TObject, class IItem, tvapi::DrawingObjectTypeEnum Kind>
class THostKindCollectionOf final : public THostObjectOf<ICollection> {
public:
    THostKindCollectionOf(TContainerCore& container, tvapi::IAPIObjectPtr keep, const char* op)
        : FContainer(container), FKeep(std::move(keep)), FOp(op)
    {
    }

    tvapi::Ptr<IItem> Add(tvapi::DrawingObjectTypeEnum type) override
    {
        if (!THostObject::Enter(FOp, {std::to_string(type)})) return {};
        if (type != Kind) return {};
        return AddObjectTo<TObject, IItem>(FContainer);
    }

private:
    TContainerCore& FContainer;
    tvapi::IAPIObjectPtr FKeep;
    const char* FOp;
};

// The collection of class ICollection over `container`.
template <class ICollection, class TObject, class IItem>
tvapi::Ptr<ICollection> MakeCollection(TContainerCore& container, tvapi::IAPIObjectPtr keep, const char* op)
{
    return tvapi::Ptr<ICollection>(
        New<THostCollectionOf<ICollection, TObject, IItem>>(container, std::move(keep), op));
}

// "[#3, #7]" for a list of drawing objects.
std::string DrawingListArg(const tvapi::DrawingObjectList& list);

} // namespace tvhost
