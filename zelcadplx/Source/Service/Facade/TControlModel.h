#pragma once
// TControlModel: the control model of an application library - the table of the details its
// product consists of, the rules that name each detail's files and designation, the folders
// the library works with and the title-block signatures of its drawings. A library derives
// its own model from it and keeps one global instance.

#include <vector>

#include "BaseTypes.h"
#include "DString.h"
#include "TStampParam.h"
#include "TextBase.h"

class TDetail;
class TKmfData;
class TModeler3D;

using TDcDetail = Integer;
using VUI8 = std::vector<Byte>;

// The destructor is not virtual: the global instance is destroyed as its own class.
class TControlModel {
public:
    // One row of the detail table. Before SetDetails, Number is the row's detail kind;
    // afterwards the detail's number in the product (0 = not present).
    struct dcDetail {
        Integer Number = 0;
        Str Name;              // user-visible, translated when read
        Integer Material = 0;  // row of AMaterial
        Real Shoroh = 0.0;     // carried for the drawing operations
        Real Scale2 = 0.0;     // drawing scale, carried for the drawing operations
        TDetail* PD = nullptr; // the detail that draws and builds it; not owned
        TBaseDetail DC;        // standard element the detail is; ID 0 = none

        // Exchanges every field with D.
        void Swap(dcDetail& D);
    };

    // Oldest stream version that carries NameMarking.
    static constexpr Integer VersionNameMarking = 33;

    dcDetail* DataDetail = nullptr; // the library's table; not owned
    Integer CountDetail = 0;
    const Str StateName; // the library's state file name
    const Str HelpName;  // the library's help file name
    Str ExecutePath;     // the library's own folder
    Str HelpFile;        // ExecutePath + HelpName
    Str StatePath;       // the host's folder for state files, with a trailing separator
    Str StatePathName;   // StatePath + StateName
    Str Path;            // a second host folder, with a trailing separator
    Str NameMarking;     // designation prefix of the product
    Str prFileName;      // prefix of every detail file name
    Str D99;
    TStampParam SP; // title-block signatures

    TControlModel(const Str& iStateName, const Str& iHelpName);
    TControlModel(const TControlModel&) = delete;
    TControlModel& operator=(const TControlModel&) = delete;

    // Takes the library's table (kept alive by the library) and sorts it so that row i
    // describes detail kind i; afterwards no detail is present. A null table counts as empty.
    void SetDetails(dcDetail* iDataDetail, Integer iCountDetail);

    // Every operation taking a Detail answers a kind outside the table with false, 0, an
    // empty text or -1 and changes nothing; kind 0 (the product) always exists.
    void SetExistDet(const TDcDetail Detail, const Integer N);
    Boolean ExistDet(const TDcDetail Detail) const;
    Boolean ExistDetail(const TDcDetail Detail) const { return ExistDet(Detail); }
    Integer NumberDet(const TDcDetail Detail) const;
    // The first row, from 0 upward, whose Number is NumberDet; -1 when none.
    Integer DetailByNumber(const Integer NumberDet) const;
    Integer MaterialDet(const TDcDetail Detail) const;
    void SetCodeDet(const TDcDetail Detail, const TBaseDetail& DC);
    void SetCodeDet(const TDcDetail Detail, Integer ID, Integer Index, Integer Index2);
    // The row's code; for a kind outside the table a scratch code {0, -1, -1}, reset on
    // every such call, so that writes to it reach no row.
    TBaseDetail& GetCodeDet(const TDcDetail Detail);
    // The element library's name of the row's standard element; empty without a library.
    Str NoteDet(const TDcDetail Detail) const;
    // The translated name; a non-zero Suffics is appended after one blank.
    Str NameDet(const TDcDetail Detail, Integer Suffics) const;
    // NameMarking-number[-Suffics], then " ( element name ) " for a standard element.
    Str MarkingDet(const TDcDetail Detail, Integer Suffics) const;
    // prFileName + number [+ "-" + Suffics]; no folder, no extension.
    Str sfDetail(const TDcDetail Detail, const Integer Suffics) const;
    Str sfDetail2D(const TDcDetail Detail, const Integer Suffics) const; // ".qdr"
    Str sfDetail3D(const TDcDetail Detail, const Integer Suffics) const; // ".qas" for 0, else ".qpt"

    // Fills M's current-detail record for the detail; false, record untouched, for a detail
    // that is not present.
    Boolean SetCurrent(TModeler3D& M, const TDcDetail Detail, const Integer subDetail);

    // Draws (builds) the present details from the last row down to row 1; an exception of
    // one detail is dropped and the walk goes on.
    virtual void Make2D(TModeler3D& M);
    virtual void Make3D(TModeler3D& M, const Integer fromDetail, Boolean NeedPhantom);

    // Stream form: NameMarking (from version 33 on), then the title-block signatures.
    void Write(TKmfData& stream) const;
    void Read(TKmfData& stream);
    // The same as a byte vector with its stream header.
    void to(VUI8& Result) const;
    void from(const VUI8& Data);

private:
    TBaseDetail ScratchCode;

    Boolean InTable(const TDcDetail Detail) const { return Detail >= 0 && Detail < CountDetail; }
};
