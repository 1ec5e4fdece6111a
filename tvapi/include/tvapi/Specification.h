#pragma once
// Sections of the host's specification (parts list). The library names them in its own
// namespace Quor; the values are the host's section numbers and pass to it unchanged.

#include <cstdint>

namespace Quor {

enum TSectionSpc : std::int32_t {
    tNotExist = 0,
    tDocumentatio = 1,
    tSborka = 5,
    tDetail = 20,
    tStandart = 25,
};

} // namespace Quor

#include <string>
#include <vector>

#include "tvapi/Base.h"
#include "tvapi/Document.h"
#include "tvapi/Documents.h"
#include "tvapi/DrawingComposites.h"

namespace tvapi {

// Columns of a specification row, as the host numbers them.
enum tvSpecificationColumnTypeEnum : int {
    tvSColumnUnknown = 0,
    tvSColumnFormat = 1,
    tvSColumnZone = 2,
    tvSColumnPosition = 3,
    tvSColumnMark = 4,
    tvSColumnName = 5,
    tvSColumnCount = 6,
    tvSColumnNote = 7,
    tvSColumnMass = 8,
    tvSColumnMaterial = 9,
    tvSColumnUser = 10,
    tvSColumnCode = 11,
    tvSColumnFactory = 12,
    tvSColumnDocumentNumber = 13,
    tvSColumnDocumentName = 14,
    tvSColumnDocumentCode = 15,
    tvSColumnCodeOKP = 16,
};

class ISpecificationColumn : public IAPIObject {
public:
    static constexpr char IID[] = "6C9E0B37-D4F6-418A-AC23-E7F91BD5F484";
    using Parent = IAPIObject;

    virtual ITextPtr GetText() = 0;

protected:
    ~ISpecificationColumn() = default;
};

using ISpecificationColumnPtr = Ptr<ISpecificationColumn>;

class ISpecificationColumns : public IAPIObject {
public:
    static constexpr char IID[] = "7DAF1C48-E507-429B-BD34-F80A2CE60595";
    using Parent = IAPIObject;

    // The column of `type` in block `block`, entry `index`; empty for a type that is none.
    virtual ISpecificationColumnPtr GetColumn(tvSpecificationColumnTypeEnum type, int block, int index) = 0;

protected:
    ~ISpecificationColumns() = default;
};

using ISpecificationColumnsPtr = Ptr<ISpecificationColumns>;

class IAttachedDocument : public IAPIObject {
public:
    static constexpr char IID[] = "8EB02D59-F618-43AC-8E45-091B3DF716A6";
    using Parent = IAPIObject;

    virtual std::wstring GetFileName() = 0;

protected:
    ~IAttachedDocument() = default;
};

using IAttachedDocumentPtr = Ptr<IAttachedDocument>;

// The documents (drawings, parts, assemblies) a row of the specification refers to.
class IAttachedDocuments : public IAPIObject {
public:
    static constexpr char IID[] = "9FC13E6A-0729-4BBD-9F56-1A2C4E0827B7";
    using Parent = IAPIObject;

    // Attaches the file `fileName` (`kind` is kept with it); empty for an empty name.
    virtual IAttachedDocumentPtr Add(const wchar_t* fileName, int kind) = 0;
    virtual int GetCount() = 0;

protected:
    ~IAttachedDocuments() = default;
};

using IAttachedDocumentsPtr = Ptr<IAttachedDocuments>;

// One row of a specification: its section, column texts, documents and geometry.
class ISpecificationBaseObject : public ITervanAPIObject {
public:
    static constexpr char IID[] = "A0D24F7B-183A-4CCD-A067-2B3D5F1938C8";
    using Parent = ITervanAPIObject;

    virtual ISpecificationColumnsPtr GetColumns() = 0;
    virtual IAttachedDocumentsPtr GetAttachedDocuments() = 0;
    // The host objects the row stands for (empty entries are passed over); `append` keeps
    // those set before.
    virtual bool SetGeometry(const TervanAPIObjectList& objects, bool append) = 0;
    // Commits the row; false once its document is gone.
    virtual bool Update() = 0;

protected:
    ~ISpecificationBaseObject() = default;
};

using ISpecificationBaseObjectPtr = Ptr<ISpecificationBaseObject>;

class ISpecificationBaseObjects : public IAPIObject {
public:
    static constexpr char IID[] = "B1E3508C-294B-4DDE-B178-3C4E602A49D9";
    using Parent = IAPIObject;

    // A new row of `section` whose attributes are of type `attributeType`.
    virtual ISpecificationBaseObjectPtr Add(int section, std::uint64_t attributeType) = 0;
    virtual int GetCount() = 0;

protected:
    ~ISpecificationBaseObjects() = default;
};

using ISpecificationBaseObjectsPtr = Ptr<ISpecificationBaseObjects>;

// A specification style (number `number` of the style library) in a document, with its rows.
class ISpecificationDescription : public IAPIObject {
public:
    static constexpr char IID[] = "C2F4619D-3A5C-4EEF-8289-4D5F713B5AEA";
    using Parent = IAPIObject;

    virtual std::wstring GetName() = 0;
    virtual ISpecificationBaseObjectsPtr GetBaseObjects() = 0;

protected:
    ~ISpecificationDescription() = default;
};

using ISpecificationDescriptionPtr = Ptr<ISpecificationDescription>;

class ISpecificationDescriptions : public IAPIObject {
public:
    static constexpr char IID[] = "D305729E-4B6D-4F00-9390-5E6082C46BFB";
    using Parent = IAPIObject;

    // The description of style `number` of `library`; empty when the document has none.
    virtual ISpecificationDescriptionPtr Find(const wchar_t* library, int number) = 0;
    // Adds it (named `name`); empty when the document has it already.
    virtual ISpecificationDescriptionPtr Add(const wchar_t* library, int number, const wchar_t* name) = 0;
    virtual int GetCount() = 0;

protected:
    ~ISpecificationDescriptions() = default;
};

using ISpecificationDescriptionsPtr = Ptr<ISpecificationDescriptions>;

// A specification document.
class ISpecificationDocument : public ITervanDocument {
public:
    static constexpr char IID[] = "E41683AF-5C7E-4011-A4A7-6F7193D57C0C";
    using Parent = ITervanDocument;

protected:
    ~ISpecificationDocument() = default;
};

using ISpecificationDocumentPtr = Ptr<ISpecificationDocument>;

} // namespace tvapi
