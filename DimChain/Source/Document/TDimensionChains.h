#pragma once
// TDimensionChains: the chains of one document, the chain and link the panel works on, and
// their place in the document: one byte item "DimChains" in the document's user data, an
// attribute on every linked drawing object carrying its reference number (by which links
// find their objects again after the document is reopened), and the chain report file
// (written in TDimensionChainsReport.cpp). A stored set is read in StoredFields.cpp.

#include "BaseTypes.h"
#include "ChainFollow.h"
#include "DString.h"
#include "TArray.h"
#include "TDimensionChain.h"
#include "TLinkGrid.h"
#include "tvapi/TervanAPIObject.h"

#include <optional>
#include <string>
#include <vector>

class TChainHost;
class TKmfData;

// A marked object found in the document with the number its attribute carries.
struct TRepairDim {
    tvapi::IDrawingObjectPtr Object;
    Reference refStored = 0;
};

class TDimensionChains {
public:
    // The fewest bytes each chain of a count must be backed by: an empty chain.
    static constexpr Integer ChainRoom = 5;

    Str NameUserData{"DimChains"};
    Str NameUserDataMO{"DimChains_MO"};
    TArrayOf<TDimensionChain> DimChains{ChainRoom, 1};
    Integer Current = 0;
    Integer CurrentDim = -1; // the picked link of the current chain; -1 for none
    TLinkGridPtr Grid;
    // Key of the "Reference Object" attribute type; 0.0 until it was made on the first save.
    Real AttrType = 0.0;
    // The document holds stored chains that could not be read; nothing is stored over them.
    Boolean StoredDamaged = false;
    // The stored bytes an opening replaced when it stored the set again (FollowOpening): put
    // back by TakeBackStore when the run ends without OK, dropped once OK stored the chains.
    std::optional<std::vector<Byte>> StoredBefore;
    // With StoredBefore, the model-object list it replaced (a model set's).
    std::vector<tvapi::ITervanAPIObjectPtr> StoredBeforeMO;
    // OpenUnsoundChains showed a chain open: the opening stores the set again.
    Boolean OpenedOnReading = false;

    TDimensionChains();
    TDimensionChains(const TDimensionChains&) = delete;
    TDimensionChains& operator=(const TDimensionChains&) = delete;

    // AttrType, the chain count and the chain array; then, each behind a tag and only when
    // any chain has them: the reference numbers of the dimensions derived links were taken
    // from, link by link; the closing dimensions' own texts, chain by chain; the settings the
    // figures were calculated with where they differ from the chain's own, chain by chain;
    // whether each chain is checked; the figures of the checks. A set without the last, from an
    // older version, gives its checked chains the figures their closing notes hold
    // (TDimensionChain::TakeCheckFiguresFromNote). An exception of the stream ends either.
    void Write(TKmfData& stream) const;
    // False, with this set unchanged, when the data proves damaged: a negative count, more
    // chains or links than the bytes left can hold, a read past the end, figures' settings
    // that no chain holds, a checked flag neither 0 nor 1, an unknown tag after the chains, or
    // with ToEnd any byte left after the last section. A drawing chain is never read as checked.
    Boolean Read(TKmfData& stream, Boolean ToEnd = false);
    // The byte-vector form: the 256-byte stream header, then what Write writes.
    void to(std::vector<Byte>& Result) const;
    // Reads a non-empty vector as Read does, to its last byte; an empty one changes nothing
    // (and gives true). A vector shorter than the header that begins with the stream's mark is
    // damaged, and so is one whose mark was damaged: read as an old headerless set, its header
    // leaves bytes over or runs short.
    Boolean from(const std::vector<Byte>& Data);

    // A model link in any chain.
    bool Is3D() const;
    // One entry per link, chains in order: its model object, or an empty entry.
    void MOto(std::vector<tvapi::ITervanAPIObjectPtr>& List) const;
    // Binds each link's model object from a list of exactly one entry per link; an empty entry
    // (its object gone from the model) leaves its link in place without one. Gives the number
    // of model links so left unbound (0 when the list does not fit and nothing was bound).
    Integer MOfrom(const std::vector<tvapi::ITervanAPIObjectPtr>& List);

    // Numbers and marks the linked drawing objects, then stores the set (and for a model
    // set the model-object list) in the active document. False when no document is active or
    // the host refused an item.
    Boolean SavetoUserStorage();
    // What the panels' confirm button stores: the set, unless chains stored in the document
    // could not be read. True when stored.
    Boolean StoreConfirmed();
    // A run ended without OK: the stored bytes as they were before its opening, if it replaced
    // them, so that the next opening finds what this one found.
    void TakeBackStore();
    // Marks every linked drawing object (and auxiliary object) with an attribute carrying its
    // reference number, after numbering the links (which changes their numbers, hence not
    // const) and clearing the type's old marks.
    void SetAttr();
    // Reads the set of the active document, binds its links again (a model link whose object is
    // gone is told to the user once and dropped, its chain left open) and follows the changes
    // of the drawing (FollowOpening through the facade's host, the texts written over kept in
    // Written). Nothing stored, or stored bytes that prove damaged, leave the set as it was,
    // and then nothing is stored back; damaged bytes are told to the user and noted in
    // StoredDamaged.
    // Before anything of it is trusted, the set is read whole and each field checked against
    // what it can be (ReadStored); a field that Objects (the facade's host when none) gives
    // again is read again from it quietly, one nothing gives again leaves the set damaged.
    // A caller that gives Objects follows the opening itself, through them (FollowOpening).
    void LoadfromUserStorage(TWrittenDeviations* Written = nullptr, TChainHost* Objects = nullptr);
    // Removes every model link left without its model object; the chains that lose one are open
    // (no check's figures kept), the links left keeping their own signs.
    void DropUnbound();
    // Binds each link's Obj, AuxObj and PearentObj to the drawing objects that carry their
    // numbers. A link whose own object is gone (for a derived link its AuxObj, or the
    // dimension it was taken from), the angular dimension laid on it, or the direction a
    // diameter or radius is laid along, is removed with a message; chains that lost links are
    // tested for closure again (TDimensionChain::Loop). One left open keeps the own texts of the
    // dimension it closed on, which the opening's follow gives back unless another chain writes
    // it. The objects a grid command projected a link on are bound too; one gone leaves the
    // direction it gave.
    void RestoreReferenceByAttr();
    // A set opened: every link of the chains from First on read again through Host and the
    // chains that count the changed ones calculated again (FollowFigures, with Written as the
    // change's). Each changed dimension is selected (the selection cleared before the first)
    // and told once with "Изменился размер ", a ring of drawing chains, changed or not, once
    // with TellRing; a set with a changed link, or a chain left or shown open, is stored again
    // once (StoreOpened), unless the stored chains could not be read. A set with no chains gets
    // its first chain back.
    std::vector<TFollowedChain> FollowOpening(TChainHost& Host, TWrittenDeviations* Written,
                                              Integer First = 0);
    // "Цепи не могут зависеть друг от друга по кругу" told to the user.
    static void TellRing();
    // A chain whose figures are no numbers, or whose link a thermal factor makes no longer
    // than zero, is not calculated.
    static constexpr const char* NoNumbersText =
        "Цепь не рассчитывается: размер не число или длина звена с dT не больше нуля";
    // NoNumbersText told to the user.
    static void TellNoNumbers();
    // What an opening tells of a chain stored closed on fewer than two links; it is shown open.
    static constexpr const char* TooShortText = "Цепь меньше двух звеньев не замыкается";
    // Each closed chain checked before it is trusted, as an opening reads it: one of fewer than
    // two links (TooShortText, told once) or holding a figure that is no number (NoNumbersText,
    // told once) is shown open. Its loop and signs are not tested here: the opening's follow asks
    // the loop rule once for every closed chain, so that stored signs that are not the loop's
    // are found again quietly, or the chain is shown open, lengths, angles and planes alike. A
    // chain shown open here is stored so by the opening's follow.
    void OpenUnsoundChains();
    // The report: every chain with its method and risk factor, one line per link, in the
    // 8-bit code page with CR LF. Names are the host's wide texts, kept whole down to the file
    // system. The file is replaced atomically (FileIo.h), never through a link: false, with
    // any old report as it was, when it cannot be written whole.
    Boolean toTextFile(const std::wstring& FileName) const;
    // The same, with Reason the file layer's words when it fails.
    Boolean toTextFile(const std::wstring& FileName, std::string& Reason) const;
    // The report's name for the document file DocumentName: its extension replaced by "txt";
    // a file's own name without one gets ".txt" when BareGetsTxt asks, and is refused (empty)
    // otherwise; a document never saved (no name) is refused.
    static std::wstring ReportFileName(const std::wstring& DocumentName, Boolean BareGetsTxt = false);
    // Writes the report beside the document DocumentName and tells the user where, or why not
    // (with the file layer's reason when it refused the file).
    // The report replaces only an earlier report (or an empty file): where its name holds
    // anything else (the document itself, a component, a link, a special file) it takes the
    // first free of "x.report.txt", "x.report-2.txt" ... beside it.
    Boolean SaveReport(const std::wstring& DocumentName, Boolean BareGetsTxt = false) const;

private:
    // True when Test holds for any link of any chain.
    template <class F> bool Links(F Test) const
    {
        for (const TDimensionChain& chain : DimChains)
            for (const TDimension& link : chain.Dimensions)
                if (Test(link)) return true;
        return false;
    }
    // The stored bytes read into the set and bound to their objects (StoredFields.cpp): false
    // when they prove damaged - bytes that do not read, a model-object list not one entry per
    // link, an attribute type that is not the set's own text type while links carry marks, or
    // a link's field that is not what it can be and that Objects cannot give again.
    bool ReadStored(const std::vector<Byte>& Bytes, TChainHost& Objects);
    // Each link's fields checked and read again through Objects (ReadStoredFields); false when
    // one cannot be given again.
    bool ReadLinkFields(TChainHost& Objects);
    // A check's figures that are no numbers, or beyond what the grid shows, calculated again from
    // the chain's links; dropped when they give none.
    void ReadCheckFigures();
    // One tagged section after the chains into Chains; false for an unknown tag or damage.
    static bool ReadSection(TKmfData& stream, TArrayOf<TDimensionChain>& Chains);
    void Number();
    void ClearMarks() const;
    // A chain before links were removed: its count, its closing link's reference number (0 for
    // an open chain).
    struct TBefore {
        Integer Count = 0;
        Reference Closing = 0;
    };
    void RecloseShortened(const std::vector<TBefore>& Before);
    // The chains whose loop the reading decided, for the opening's follow.
    std::vector<Integer> FDecided;
    // Each changed dimension of Followed selected (a drawing set's) and told once, then each
    // chain whose loop broke with none of its links told (LostLoop), its links selected (a
    // drawing set's) and told once; false when nothing was told.
    bool TellChanged(const std::vector<TFollowedChain>& Followed, TChainHost& Host) const;
    // The set as the opening left it stored in the active document (with a model set's list),
    // the bytes and list it replaces kept in StoredBefore and StoredBeforeMO. The document is
    // not saved.
    void StoreOpened();
};
