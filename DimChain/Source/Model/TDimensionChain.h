#pragma once
// TDimensionChain: one dimension chain - its links in order with the closing link last, the
// sign mask with which their vectors close, the calculation method and its coefficients.
// It finds the closing signs, calculates the closing link (TDimensionChainCalculate.cpp) and
// keeps itself in a byte stream.

#include "BaseTypes.h"
#include "ChainHost.h"
#include "ChainLoop.h"
#include "TArray.h"
#include "TDimension.h"
#include "TWrittenDeviations.h"

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

class TDimensionChain;
class TKmfData;

enum TMethodCalculating : std::int32_t {
    mcMinMax = 0,
    mcNormalDistribution = 1,
    mcSimpsonDistribution = 2,
    mcEqualDistribution = 3,
    mcCount = 4,
};

// How a chain's closing link is calculated: the method, its spread factor and the risk factor.
struct TChainSettings {
    TMethodCalculating Method = mcMinMax;
    Real Lambda = 1.0;
    Real RiskFactor = 1.0;
    // The risk factor that enters the figures: 1 under min-max, whatever the chain holds.
    Real EffectiveRisk() const { return Method == mcMinMax ? 1.0 : RiskFactor; }
    bool operator==(const TChainSettings&) const = default;
};

// A check's figures: the deviations of the whole loop.
struct TCheckFigures {
    Real QHigh = 0.0;
    Real QLow = 0.0;
};

// The closing link as the calculation gives it.
struct TChainResult {
    Real Nominal = 0.0;
    Real QHigh = 0.0;
    Real QLow = 0.0;
    // Whether both deviations are numbers: figures that are not are never taken nor noted.
    bool Finite() const { return std::isfinite(QHigh) && std::isfinite(QLow); }
};

// The closing step as a panel runs it: it only tests the loop (RunClosingStep). The chain is then
// followed (ChainFollow.h), which calculates it, notes the closing link and decides what the
// dimension shows; a picked chain's note carries the loop's residual, a recognised chain's does not.
struct TClosingStep {
    bool NoteResidual = true;
    // A check of the assembly: the deviations of the whole loop are kept (CheckFigures) and
    // shown after the closing link's note; its own deviations are kept.
    bool CheckOnly = false;
};

// How a closing step ended. A ring or figures that are no numbers are the follow's to find.
enum class TClosing : std::int32_t {
    Open,    // the links do not close
    Closed,  // closed, with its signs: to be followed
    Refused, // they close, but an angle would close lengths: the chain stays open
};

// The closing step's outcome: how it ended, and whether a zero gap picked before moved to the
// closing place.
struct TClosingResult {
    TClosing State = TClosing::Open;
    bool Reordered = false;
    explicit operator bool() const { return State == TClosing::Closed; }
};

// What Add did: false when nothing was added.
struct TAdded {
    bool Added = false;
    Integer Recaptured = -1; // the link captured again in place, or -1
    bool Laid = false;       // an angle laid on link Recaptured: its loop is the follow's to test
    TClosingResult Closing;
    explicit operator bool() const { return Added; }
};

class TDimensionChain {
public:
    static constexpr Integer MaxLinks = 30; // longer chains are never searched
    // What a chain of more links is told: it stays open and has no figures.
    static constexpr const char* TooLongText = "Цепь длиннее 30 звеньев не рассчитывается";
    // Bits of StateClosed that hold signs: the links of the longest searched chain and its
    // closing link; a link past them has no sign bit.
    static constexpr Integer SignBits = MaskBits;
    static_assert(SignBits == MaxLinks + 1, "a mask holds the longest searched chain's signs");
    static constexpr Real DrawingTolerance = 0.001; // per component of the closure sum
    static constexpr Real ModelTolerance = 1e-5;    // the same for model chains
    static constexpr Real FullTurn = 360.0;         // degrees of a ring of angles
    static constexpr Integer LinkRoom = 64;
    // Bytes of an empty chain in a stream: the link array's record and the chain's own fields.
    static constexpr std::int64_t StreamMinBytes = 16 + 25; // room and growth step of the links
    // The same in a stream of that version (older streams keep no cursor with the links).
    static constexpr std::int64_t StreamMinBytesFor(Integer Version)
    {
        return Version >= ArrayStream::CursorVersion ? StreamMinBytes : StreamMinBytes - 4;
    }

    TArrayOf<TDimension> Dimensions{LinkRoom, LinkRoom};
    Boolean Closed = false;
    // Bit i belongs to link i: set adds the link's vector to the closure sum, clear subtracts it.
    Integer StateClosed = 0;
    TMethodCalculating MethodCalculating = mcMinMax;
    Real Lambda = 1.0;
    Real RiskFactor = 1.0;
    // The settings the closing link's figures were last calculated with in this session; none
    // for a chain not calculated since it was made or read. Stored only where they differ from
    // the chain's own (TDimensionChains::Write), so that a report after reopening still
    // describes the figures.
    std::optional<TChainSettings> CalculatedWith;
    // Closed by a check of the assembly: its closing link keeps its own deviations and its
    // note the loop's; a change of its figures checks it again. Stored with the set
    // (TDimensionChains::Write).
    bool Checked = false;
    // The closing dimension's own deviation texts, kept when the chain first wrote its figures
    // over them (in this opening or an earlier one) and stored with it, to be given back when it
    // stops writing them; none for a chain that never wrote, or one stored without them.
    std::optional<TDeviationTexts> OwnTexts;
    // The figures of the chain's check, kept apart from the closing link's note, so that
    // nothing of the note is ever taken for them; none for a chain not checked or open.
    // Stored with the set (TDimensionChains::Write).
    std::optional<TCheckFigures> CheckFigures;

    TDimensionChain() = default;
    TDimensionChain(const TDimensionChain& C) { *this = C; }
    TDimensionChain& operator=(const TDimensionChain& C);

    Integer Count() const { return Dimensions.Count; }
    // More links than a chain is calculated with (MaxLinks).
    bool IsTooLong() const { return Count() > MaxLinks; }
    TChainSettings Settings() const { return {MethodCalculating, Lambda, RiskFactor}; }
    void TakeSettings(const TChainSettings& S);
    // The settings the figures of the closing link show: those they were calculated with, else
    // the chain's own. What the report prints above them.
    TChainSettings FigureSettings() const { return CalculatedWith.value_or(Settings()); }
    void toStream(TKmfData& stream) const;
    // The chain's own fields are read only when the links were read without error. A method
    // out of the table, or a Lambda or RiskFactor that is not in (0, 1] or (0, 10], marks the
    // stream damaged (read-error flag) and leaves the fields as they were.
    void fromStream(TKmfData& stream);
    // The settings the figures were calculated with, apart from the chain's own: the method
    // (-1 for none), Lambda and RiskFactor.
    static constexpr std::int64_t FiguresStreamBytes = 4 + 8 + 8;
    bool FiguresDiffer() const { return CalculatedWith && *CalculatedWith != Settings(); }
    void figuresToStream(TKmfData& stream) const;
    // False, with CalculatedWith unchanged, for a method out of the table or coefficients no
    // chain holds.
    bool figuresFromStream(TKmfData& stream);
    // OwnTexts in a stream: a flag, then the two texts when there are any.
    void ownTextsToStream(TKmfData& stream) const;
    bool ownTextsFromStream(TKmfData& stream);
    // The items and heights of OwnTexts in a stream (TDeviationTexts::FormToStream).
    void ownFormToStream(TKmfData& stream) const;
    bool ownFormFromStream(TKmfData& stream);
    // The closing dimension's own texts, taken from the chain: it writes them no more.
    std::optional<TDeviationTexts> TakeOwnTexts() { return std::exchange(OwnTexts, std::nullopt); }
    // Before the closing link's figures are written into its dimension: the texts they replace
    // kept in Written (when given) for a cancel, and as OwnTexts on the chain's first write.
    void KeepClosingTexts(TWrittenDeviations* Written);

    // Adds the dimension iObj as a link, or re-captures an existing link with the auxiliary
    // object iAuxObj; a zero gap picked before the loop closed is made the closing link
    // (ZeroGapToMove); then runs the closing step (RunClosingStep) of a pick. An angular dimension
    // with a link of the chain is laid on that link (SetAngleTolerance) and closes nothing (Laid).
    // Nothing added, and nothing changed, for an object that cannot be a link, and for an
    // angular dimension without a segment or a link.
    TAdded Add(const tvapi::IDrawingObjectPtr& iObj, const tvapi::IDrawingObjectPtr& iAuxObj,
               TChainHost& Host, const TClosingStep& Step = {});
    // The closing step: asks the loop rule once (Loop) and takes its answer (TakeLoop): whether
    // the chain closes, with its signs in StateClosed. Nothing is calculated, noted or written:
    // the follow does that (TakeCalculation). A chain the rule refuses stays open (Refused); a
    // closed one is Checked with Step.CheckOnly and notes its residual with Step.NoteResidual at
    // its next calculation.
    TClosingResult RunClosingStep(const TClosingStep& Step);

    // A recognised chain's closing step: its closing link turned to its canonical direction
    // (Prepare), then tested on its loop as a pick's is, with no residual to note.
    TClosingResult CloseRecognised(bool CheckOnly = false);
    // The figures of a check dropped; the note stays as it is.
    void DropCheckFigures() { CheckFigures.reset(); }
    // Link K's note as the grid and the report show it: the closing link's with the check's
    // figures after it (CheckNote).
    TString ShownNote(Integer K) const;
    // The note typed over link K's shown note (ShownNote), without the check's figures shown.
    TString TypedNote(Integer K, const TString& Typed) const;
    // CheckFigures and their flag in a stream.
    void checkFiguresToStream(TKmfData& stream) const;
    bool checkFiguresFromStream(TKmfData& stream);
    // A checked chain of an older set, which kept the check's figures in the closing link's
    // note: the last of them of exactly the check note's form taken out into CheckFigures (kept
    // only while the chain is closed); the rest of the note stays.
    void TakeCheckFiguresFromNote();
    // The chain is open: a pick's residual note leaves its last link's note (what the user
    // typed there stays), since it told of a loop the chain no longer makes, and a check's
    // figures are dropped.
    void Open();
    // The follow's calculation of a closed chain: the closing link takes the figures (its
    // dimension is not written) and its note says what they are - the loop's residual for a
    // picked chain, "(*dT= " for a nominal that is not the closing length, a check's loop
    // deviations for a checked chain, which keeps its own. Nothing for an open chain; for
    // figures that are no numbers, or a deviation beyond the grid's bound (GivenBeyondBound),
    // nothing is taken nor noted (a check's figures are dropped).
    // The residual counts the closing link with Own's deviations when given: its dimension as
    // a pick reads it before any chain wrote it, never the figures a chain left in the link.
    std::optional<TChainResult> TakeCalculation(const TDimension* Own = nullptr);
    // Whether a link the user gives (every link but an unchecked chain's closing one, which
    // holds the chain's own figures) holds a deviation beyond ChainGrid::MaxCellValue, as read
    // from a text: such a chain is not calculated.
    bool GivenBeyondBound() const;
    // Whether the next calculation notes the loop's residual: a closed, unchecked chain just
    // picked, or one whose closing link's note tells it.
    bool NotesResidual() const;
    // Lambda by the method (1, 1/9, 1/6, 1/3), and under min-max a risk factor of 1; a method
    // out of the table changes nothing.
    void ApplyMethod();
    // The link that link Link changes places with when moved one place up (Up) or down; -1 when
    // it may not move: the closing link never moves, nor does a link into its place.
    Integer Neighbour(Integer Link, bool Up) const;

    // Index of the first link whose dimension is Object; -1 when empty or absent.
    Integer Index(const tvapi::IDrawingObjectPtr& Object) const;
    // Removes the first link of Object (its auxiliary object unselected); the chain is open.
    void Remove(const tvapi::IDrawingObjectPtr& Object, TChainHost& Host);
    // Removes every link, unselecting its objects; the chain is open.
    void RemoveAll(TChainHost& Host);

    // A chain with a model link is a model chain: it closes, calculates and notes its closing
    // length with the model vectors (V3), and is stored with its model objects. Every other
    // chain is a drawing chain (V2). Everything that depends on the space asks here.
    TChainSpace Space() const;
    bool Is3D() const { return Space() == TChainSpace::Model; }
    bool IsColinear() const;
    // The loop rule for this chain: the one answer (LinksLoop, ChainLoop.h) whether the links
    // close and with which signs, for lengths, angles and planes alike, in the chain's space.
    // Where the vectors' sum decides (a circular link, links along several directions, a model
    // link without planes), a closed chain keeps the signs it holds while they close (the sum
    // cannot tell one closing mask from another), a chain closing on a zero gap in the sense
    // ZeroGapSense gives them. Changes nothing; each call counts in LoopTests.
    TChainLoop Loop() const;
    // How often Loop ran in this process: what a test counts.
    static inline long LoopTests = 0;
    // The rule's answer taken: closed with its signs, or open (Open); gives whether it closed.
    bool TakeLoop(const TChainLoop& L);
    // Whether the links close (Loop); the chain is not changed.
    bool IsClosed() const { return static_cast<bool>(Loop()); }
    // Whether some signs close the drawing (2D) or the model (3D) vectors within their tolerance.
    bool IsClosed2D() const;
    bool IsClosed3D() const;
    // Whether the signs StateClosed holds close the links' vectors (model or drawing, within the
    // tolerance the rule takes); false for a chain the rule never closes.
    bool SignsClose() const;

    // The closing link's nominal and deviations from the component links (ZeroEndDim false),
    // or the residual of the whole loop (true), in the chain's space; a drawing link's nominal is
    // its NominalVector. Each link's field counts by its share along the closing direction; a
    // drawing link with a length (linear, diametral, radial) given angular deviations and not
    // projected also turns within them at its nominal's length.
    // Nothing for an open chain.
    std::optional<TChainResult> Calculate(bool ZeroEndDim) const { return CalculateIn(Space(), ZeroEndDim); }
    // The same in the space named, whatever the chain's.
    std::optional<TChainResult> Calculate2D(bool ZeroEndDim) const
    {
        return CalculateIn(TChainSpace::Drawing, ZeroEndDim);
    }
    std::optional<TChainResult> Calculate3D(bool ZeroEndDim) const
    {
        return CalculateIn(TChainSpace::Model, ZeroEndDim);
    }
    // A drawing chain of angular links alone: it closes by its rays (FindAngleLoop) and is
    // calculated in angle units (degrees), the closing angle's deviations from the others' with
    // the walk's signs.
    bool IsAngular() const;
    // The unit closing direction of a model chain, in the sense the component links sum to it;
    // zero for a closing link of no length.
    TVector3D ModelClosingDirection() const;
    // A model chain's closing length as heat makes its links: its model length plus what each
    // component's thermal factor adds along the closing direction, signed (negative for an
    // interference).
    Real HeatedModelLength() const;
    // Whether link i closes with its vector added (else subtracted); false past the mask.
    bool Plus(int i) const { return i < SignBits && ((StateClosed >> i) & 1); }

    // The closure search over Count vectors of Dim components each (Count * Dim reals, link by
    // link): the lowest mask whose signed sum has every component within Tolerance, or false.
    // Branches on the highest link first and cuts a branch when the links below it cannot
    // bring its partial sum back within the tolerance; the answer equals the exhaustive one.
    static bool SearchClosure(const Real* Vectors, int Dim, int Count, Real Tolerance, Integer& Mask);
    // The same answer by trying every mask in counting order.
    static bool SearchClosureExhaustive(const Real* Vectors, int Dim, int Count, Real Tolerance,
                                        Integer& Mask);

    // The links' vectors in the flat form the searches read: model vectors (3 components) with
    // Model, else drawing vectors (2), link by link.
    static void Flatten(const TLoopLinks& Links, bool Model, std::vector<Real>& Out);

private:
    // A drawing chain's component with no length and no deviations of its own (a zero gap
    // picked before the parts it sits between), to be made the closing link; -1 for none.
    Integer ZeroGapToMove() const;
    // Link From moved to place To, the links between shifting by one.
    void MoveLink(Integer From, Integer To);
    // The closing link's length as the links give it: a drawing chain's calculated nominal, a
    // model chain's heated length (HeatedModelLength), in a check too.
    Real ClosingLength(const TChainResult& Result) const
    {
        return Is3D() ? HeatedModelLength() : Result.Nominal;
    }
    // The closing link takes Result's deviations, moved onto the nominal it shows when that is
    // not its length; its dimension is written by the follow alone.
    void TakeClosingFigures(const TChainResult& Result);
    // The closing link's note rewritten from the figures just taken: the user's text, then the
    // residual (a picked chain) or the check's deviations, then the length note when due.
    void NoteClosing(const std::optional<TChainResult>& Loop, const TChainResult& Result);
    // A pick closed the chain: its next calculation notes the loop's residual.
    bool FNoteResidual = false;
    std::optional<TChainResult> CalculateIn(TChainSpace Space, bool ZeroEndDim) const;
    // The loop's residual, the closing link counted with Own's deviations when given.
    std::optional<TChainResult> OwnResidual(const TDimension* Own);
    // An angular chain's closing angle (ZeroEndDim: the loop's residual) and its deviations, in
    // degrees.
    std::optional<TChainResult> CalculateAngles(bool ZeroEndDim) const;
};

// The method names by TMethodCalculating, the risk labels and their coefficients by position.
// Made at library load, before the host calls in.
extern const TArrayOf<TString> eMethodCalculating;
extern const TAStr eRiskFactor;
extern const TAReal vRiskFactor;
