#pragma once
// Selection and highlighting in a host document: the selection manager keeps what the user
// (or a library) has selected; the choose manager marks objects with highlight colours.

#include <vector>

#include "tvapi/Base.h"
#include "tvapi/TervanAPIObject.h"

namespace tvapi {

// An ordered list of host entities, as lists cross the interface in either direction.
using TervanAPIObjectList = std::vector<ITervanAPIObjectPtr>;

// Highlight kinds of the choose manager: levels and colours.
enum tvChooseManagerTypeEnum : int {
    tvChMUnknown = -2,
    tvChMAllColors = -1,
    tvChMLevel1ColorBase = 0,
    tvChMLevel1Color1 = 1,
    tvChMLevel1Color2 = 2,
    tvChMLevel2ColorBase = 100,
    tvChMLevel2Color1 = 101,
    tvChMLevel2Color2 = 102,
    tvChMUser1 = 201,
    tvChMUser2 = 202,
    tvChMUser3 = 203,
    tvChMUser4 = 204,
    tvChMUser5 = 205,
    tvChMUser6 = 206,
    tvChMUser7 = 207,
    tvChMUser8 = 208,
    tvChMUser9 = 209,
    tvChMUser10 = 210,
};

class ISelectionManager : public IAPIObject {
public:
    static constexpr char IID[] = "E5ADE742-C29F-4CE6-9B4A-A11796B9E60F";
    using Parent = IAPIObject;

    // Adds the objects to the selection in list order; empty entries and objects already
    // selected are passed over.
    virtual void Select(const TervanAPIObjectList& objects) = 0;
    // Removes the objects from the selection; objects not selected are passed over.
    virtual void UnSelect(const TervanAPIObjectList& objects) = 0;
    virtual void UnSelectAll() = 0;
    // The selected objects, in the order they were selected.
    virtual TervanAPIObjectList GetSelectedObjects() = 0;
    virtual int GetCount() = 0;

protected:
    ~ISelectionManager() = default;
};

using ISelectionManagerPtr = Ptr<ISelectionManager>;

class IChooseManager : public IAPIObject {
public:
    static constexpr char IID[] = "083311F9-B6FF-4A3E-BEC4-AE1E3625F605";
    using Parent = IAPIObject;

    // The highlight kind that Choose, UnChoose and UnChooseAll work with from now on;
    // tvChMLevel1ColorBase at first.
    virtual void SetChooseType(tvChooseManagerTypeEnum kind) = 0;
    virtual tvChooseManagerTypeEnum GetChooseType() = 0;
    // Highlights the objects with the current kind; empty entries are passed over.
    virtual void Choose(const TervanAPIObjectList& objects) = 0;
    // Drops the objects' highlight of the current kind (of every kind for tvChMAllColors).
    virtual void UnChoose(const TervanAPIObjectList& objects) = 0;
    // Drops every highlight of the current kind (every highlight for tvChMAllColors).
    virtual void UnChooseAll() = 0;

protected:
    ~IChooseManager() = default;
};

using IChooseManagerPtr = Ptr<IChooseManager>;

} // namespace tvapi
