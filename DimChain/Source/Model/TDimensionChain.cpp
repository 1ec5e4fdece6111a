// The chain: link list, closure search, calculation of the closing link and stream form.

#include "TDimensionChain.h"

#include "ChainGrid.h"
#include "KmfData.h"
#include "TArrayStream.h"
#include "TLinkText.h"
#include "TWrittenDeviations.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int MaxDim = 3;
constexpr int DirectSearchLinks = 12;

// Stored coefficients beyond these are damage: the methods weigh by at most 1, the largest
// risk coefficient is 3.3.
constexpr Real MaxLambda = 1.0;
constexpr Real MaxRisk = 10.0;

// Positive and at most Max; NaN fails.
bool Plausible(Real v, Real Max)
{
    return v > 0.0 && v <= Max;
}

// Settings some chain can hold: a method of the table and coefficients within their bounds.
bool PlausibleSettings(Integer method, Real lambda, Real risk)
{
    return method >= mcMinMax && method < mcCount && Plausible(lambda, MaxLambda) && Plausible(risk, MaxRisk);
}

// The closure sum of one mask, added in link order exactly as the exhaustive search adds it.
bool MaskCloses(const Real* v, int dim, int count, Real tol, Integer mask)
{
    std::array<Real, MaxDim> sum{};
    for (int i = 0; i < count; ++i) {
        const bool plus = (mask >> i) & 1;
        for (int d = 0; d < dim; ++d)
            sum[d] += plus ? v[i * dim + d] : -v[i * dim + d];
    }
    for (int d = 0; d < dim; ++d)
        if (!(std::fabs(sum[d]) <= tol)) return false;
    return true;
}

// The signed sums of links 0..k-1 over all their masks, ordered by the x component. Built by
// merging (each link doubles the list: minus-shifted and plus-shifted copies, both ordered).
struct TLowSums {
    std::vector<Real> X;
    std::vector<std::array<Real, MaxDim>> Rest; // the other components
    std::vector<Integer> Mask;

    void Build(const Real* v, int dim, int k)
    {
        X.assign(1, 0.0);
        Rest.assign(1, {});
        Mask.assign(1, 0);
        std::vector<Real> x2;
        std::vector<std::array<Real, MaxDim>> r2;
        std::vector<Integer> m2;
        for (int i = 0; i < k; ++i) {
            const Real* vi = v + i * dim;
            const std::size_t n = X.size();
            x2.resize(2 * n);
            r2.resize(2 * n);
            m2.resize(2 * n);
            std::size_t a = 0, b = 0, o = 0;
            while (a < n || b < n) {
                const bool takeMinus = b >= n || (a < n && X[a] - vi[0] <= X[b] + vi[0]);
                const std::size_t j = takeMinus ? a++ : b++;
                const Real sign = takeMinus ? -1.0 : 1.0;
                x2[o] = X[j] + sign * vi[0];
                for (int d = 1; d < dim; ++d)
                    r2[o][d] = Rest[j][d] + sign * vi[d];
                m2[o++] = takeMinus ? Mask[j] : Mask[j] | (Integer(1) << i);
            }
            X.swap(x2);
            Rest.swap(r2);
            Mask.swap(m2);
        }
    }
};

// Depth-first over the links from the highest down, the clear bit first, so the first leaf
// that closes is the lowest mask. Rest[k] bounds what links 0..k-1 can still add. The lowest
// Low links are not branched on: their sums are looked up in an ordered table.
struct TClosureSearch {
    const Real* V = nullptr;
    int Dim = 0;
    int Count = 0;
    Real Tol = 0.0;
    Real Slack = 0.0; // rounding room of the bounds, so no closing mask is ever cut
    int Low = 0;
    std::array<std::array<Real, MaxDim>, TDimensionChain::MaxLinks + 1> Rest{};
    TLowSums Table;
    std::vector<Integer> Candidates;
    Integer Found = 0;

    bool Accept(Integer mask)
    {
        if (!MaskCloses(V, Dim, Count, Tol, mask)) return false;
        Found = mask;
        return true;
    }

    // The lowest mask of the low links that closes together with the fixed upper bits.
    bool LookUp(const std::array<Real, MaxDim>& partial, Integer upper)
    {
        const Real room = Tol + Slack;
        auto it = std::lower_bound(Table.X.begin(), Table.X.end(), -partial[0] - room);
        Candidates.clear();
        for (std::size_t j = it - Table.X.begin(); j < Table.X.size() && Table.X[j] <= -partial[0] + room;
             ++j) {
            bool near = true;
            for (int d = 1; d < Dim; ++d)
                if (!(std::fabs(partial[d] + Table.Rest[j][d]) <= room)) near = false;
            if (near) Candidates.push_back(Table.Mask[j]);
        }
        std::sort(Candidates.begin(), Candidates.end());
        for (Integer m : Candidates)
            if (Accept(upper | m)) return true;
        return false;
    }

    bool Descend(int k, const std::array<Real, MaxDim>& partial, Integer mask)
    {
        if (k == Low) return Low == 0 ? Accept(mask) : LookUp(partial, mask);
        const int i = k - 1;
        for (int bit = 0; bit < 2; ++bit) {
            std::array<Real, MaxDim> next = partial;
            bool reachable = true;
            for (int d = 0; d < Dim; ++d) {
                next[d] += bit ? V[i * Dim + d] : -V[i * Dim + d];
                if (!(std::fabs(next[d]) <= Rest[i][d] + Tol + Slack)) reachable = false;
            }
            if (reachable && Descend(i, next, mask | (bit ? Integer(1) << i : 0))) return true;
        }
        return false;
    }
};

// Whether a link holds a deviation beyond the grid's bound, read from a text (typed ones are
// held to it where they are typed): too large to count.
bool DeviationsBeyondBound(const TDimension& L)
{
    return ChainGrid::BeyondCellBound(L.QHigh) || ChainGrid::BeyondCellBound(L.QLow) ||
           ChainGrid::BeyondCellBound(L.AQHigh) || ChainGrid::BeyondCellBound(L.AQLow);
}

} // namespace

TDimensionChain& TDimensionChain::operator=(const TDimensionChain& C)
{
    if (this == &C) return *this;
    Dimensions = C.Dimensions;
    Closed = C.Closed;
    StateClosed = C.StateClosed;
    MethodCalculating = C.MethodCalculating;
    Lambda = C.Lambda;
    RiskFactor = C.RiskFactor;
    CalculatedWith = C.CalculatedWith;
    Checked = C.Checked;
    OwnTexts = C.OwnTexts;
    CheckFigures = C.CheckFigures;
    FNoteResidual = C.FNoteResidual;
    return *this;
}

void TDimensionChain::TakeSettings(const TChainSettings& S)
{
    MethodCalculating = S.Method;
    Lambda = S.Lambda;
    RiskFactor = S.RiskFactor;
}

void TDimensionChain::toStream(TKmfData& s) const
{
    Dimensions.toStream(s);
    s << Closed << StateClosed << static_cast<Integer>(MethodCalculating) << Lambda << RiskFactor;
}

void TDimensionChain::fromStream(TKmfData& s)
{
    Dimensions.fromStream(s);
    if (s.ErrorReadFromFileToBufer) return;
    Boolean closed = s.ReadBoolean();
    const Integer state = s.ReadInteger();
    const Integer method = s.ReadInteger();
    const Real lambda = s.ReadReal();
    const Real risk = s.ReadReal();
    if (s.ErrorReadFromFileToBufer) return;
    if (!PlausibleSettings(method, lambda, risk)) {
        s.ErrorReadFromFileToBufer = true; // no calculation could use them: the data is damaged
        return;
    }
    Closed = closed;
    StateClosed = state;
    MethodCalculating = TMethodCalculating(method);
    Lambda = lambda;
    RiskFactor = risk;
}

void TDimensionChain::figuresToStream(TKmfData& s) const
{
    const TChainSettings used = CalculatedWith.value_or(TChainSettings{});
    s << static_cast<Integer>(CalculatedWith ? used.Method : -1) << used.Lambda << used.RiskFactor;
}

void TDimensionChain::ownTextsToStream(TKmfData& s) const
{
    s << Boolean(OwnTexts.has_value());
    if (!OwnTexts) return;
    s.Write(TString(OwnTexts->Upper));
    s.Write(TString(OwnTexts->Lower));
}

bool TDimensionChain::ownTextsFromStream(TKmfData& s)
{
    if (!s.ReadBoolean()) return !s.ErrorReadFromFileToBufer;
    TString upper, lower;
    s.Read(upper);
    s.Read(lower);
    if (s.ErrorReadFromFileToBufer || !KeptString(Wide(upper)) || !KeptString(Wide(lower))) return false;
    OwnTexts = TDeviationTexts{Wide(upper), Wide(lower)};
    return true;
}

void TDimensionChain::ownFormToStream(TKmfData& s) const
{
    TDeviationTexts::FormToStream(s, OwnTexts);
}

bool TDimensionChain::ownFormFromStream(TKmfData& s)
{
    return TDeviationTexts::FormFromStream(s, OwnTexts);
}

bool TDimensionChain::figuresFromStream(TKmfData& s)
{
    const Integer method = s.ReadInteger();
    const Real lambda = s.ReadReal();
    const Real risk = s.ReadReal();
    if (s.ErrorReadFromFileToBufer) return false;
    if (method == -1) return true;
    if (!PlausibleSettings(method, lambda, risk)) return false;
    CalculatedWith = TChainSettings{TMethodCalculating(method), lambda, risk};
    return true;
}

TAdded TDimensionChain::Add(const tvapi::IDrawingObjectPtr& iObj, const tvapi::IDrawingObjectPtr& iAuxObj,
                            TChainHost& Host, const TClosingStep& Step)
{
    const tvapi::DrawingObjectTypeEnum type = Host.GetType(iObj);
    TDimension link;
    link.Type = type;
    // A linked dimension picked with an auxiliary object is captured again in place; the chain
    // is then tested and calculated as after any other pick.
    Integer at = -1;
    switch (type) {
    case tvapi::tvDrLDimension:
        at = iAuxObj ? Index(iObj) : -1;
        if (at >= 0)
            Dimensions[at].SetLDim(Host, iObj, iAuxObj);
        else
            link.SetLDim(Host, iObj, {});
        break;
    case tvapi::tvDrADimension: {
        // Laid on a link already there, linear or circular, the angle is laid as the grid's
        // command lays it: what the user set on the link, its projection too, stays, and the
        // lay closes nothing (the follow tests a closed chain's loop again).
        if (const Integer on = Index(iAuxObj); on >= 0) {
            Dimensions[on].SetAngleTolerance(Host, iObj);
            TAdded laid;
            laid.Added = true;
            laid.Recaptured = on;
            laid.Laid = true;
            laid.Closing.State = Closed ? TClosing::Closed : TClosing::Open;
            return laid;
        }
        if (Host.GetType(iAuxObj) != tvapi::tvDrLineSeg) return {};
        link.SetADim(Host, iObj, iAuxObj);
        break;
    }
    default:
        if (!link.Capture(Host, type, iObj, iAuxObj)) return {};
        break;
    }
    if (at < 0) Dimensions.Add(link);
    TDimension& L = Dimensions[Count() - 1];
    if (Is3D())
        OrientModelVector(L.V3);
    else
        OrientDrawingVector(L.V2);
    TAdded added;
    added.Added = true;
    added.Recaptured = at;
    // A zero gap picked before the parts it sits between closes the chain from the closing
    // place; it stays where it was picked when the loop does not close.
    const Integer gap = ZeroGapToMove();
    if (gap >= 0) MoveLink(gap, Count() - 1);
    added.Closing = RunClosingStep(Step);
    if (gap >= 0 && added.Closing.State == TClosing::Open) MoveLink(Count() - 1, gap);
    added.Closing.Reordered = gap >= 0 && added.Closing.State != TClosing::Open;
    return added;
}

TClosingResult TDimensionChain::RunClosingStep(const TClosingStep& Step)
{
    // An open chain writes nothing: what it closes on now shows its own texts.
    if (!Closed) OwnTexts.reset();
    const TChainLoop loop = Loop();
    if (TakeLoop(loop)) {
        Checked = Step.CheckOnly;
        FNoteResidual = Step.NoteResidual && !Step.CheckOnly;
        return {TClosing::Closed, false};
    }
    if (loop.State == TLoopState::Refused)
        return {TClosing::Refused, false}; // millimetres never go into an angle
    return {TClosing::Open, false};
}

TClosingResult TDimensionChain::CloseRecognised(bool CheckOnly)
{
    if (Count() > 0) Dimensions[Count() - 1].Prepare();
    TClosingStep step;
    step.NoteResidual = false;
    step.CheckOnly = CheckOnly;
    return RunClosingStep(step);
}

bool TDimensionChain::NotesResidual() const
{
    if (!Closed || Count() < 2 || Checked) return false;
    const TString& note = Dimensions[Count() - 1].Comment;
    return FNoteResidual || LinkText::WithoutResidualNote(note).Length() != note.Length();
}

std::optional<TChainResult> TDimensionChain::OwnResidual(const TDimension* Own)
{
    if (!Own) return Calculate(true);
    // The closing link holds the chain's figures: the loop counts the dimension's own instead.
    TDimension& L = Dimensions[Count() - 1];
    const bool angular = IsAngular();
    Real& high = angular ? L.AQHigh : L.QHigh;
    Real& low = angular ? L.AQLow : L.QLow;
    const Real keptHigh = std::exchange(high, angular ? Own->AQHigh : Own->QHigh);
    const Real keptLow = std::exchange(low, angular ? Own->AQLow : Own->QLow);
    const std::optional<TChainResult> loop = Calculate(true);
    high = keptHigh;
    low = keptLow;
    return loop;
}

bool TDimensionChain::GivenBeyondBound() const
{
    const Integer given = Checked ? Count() : Count() - 1;
    for (Integer i = 0; i < given; ++i)
        if (DeviationsBeyondBound(Dimensions[i])) return true;
    return false;
}

std::optional<TChainResult> TDimensionChain::TakeCalculation(const TDimension* Own)
{
    if (!Closed || Count() < 2) return std::nullopt;
    if (GivenBeyondBound() || (Own && DeviationsBeyondBound(*Own))) return std::nullopt;
    if (MethodCalculating == mcMinMax) RiskFactor = 1.0; // what the settings show under min-max
    // The loop's residual only where the note tells it: a picked chain, or a check.
    const std::optional<TChainResult> loop = Checked           ? Calculate(true)
                                             : NotesResidual() ? OwnResidual(Own)
                                                               : std::nullopt;
    const TChainResult result = Checked ? TChainResult{} : *Calculate(false);
    if (!(Checked ? *loop : result).Finite()) {
        if (Checked) DropCheckFigures();
        return std::nullopt;
    }
    if (!Checked) TakeClosingFigures(result);
    NoteClosing(loop, result);
    FNoteResidual = false;
    CalculatedWith = Settings();
    return Checked ? *loop : result;
}

void TDimensionChain::NoteClosing(const std::optional<TChainResult>& Loop, const TChainResult& Result)
{
    TDimension& L = Dimensions[Count() - 1];
    if (Checked) {
        // The check's figures live apart from the note (CheckFigures), which keeps what it said.
        L.Comment = LinkText::WithoutLengthNote(L.Comment);
        CheckFigures = TCheckFigures{Loop->QHigh, Loop->QLow};
    } else {
        L.Comment = LinkText::WithoutLengthNote(LinkText::WithoutResidualNote(L.Comment));
        if (Loop) L.Comment += LinkText::ResidualNote(Loop->Nominal, Loop->QHigh, Loop->QLow);
    }
    const bool angular = IsAngular();
    // A drawing chain's closing length is what its components' nominals give.
    const Real shown = angular ? L.ANominal : L.Nominal;
    const Real length = Checked && !Is3D() ? (angular ? shown : L.V2.Len()) : ClosingLength(Result);
    // Equal at the precision of lengths: a nominal and a length that differ by rounding alone
    // (a turned assembly) get no note; a NaN always does.
    if (!(std::fabs(shown - length) <= TMathDef::metricPrecision))
        L.Comment += LinkText::LengthNote(shown, length);
}

void TDimensionChain::Open()
{
    if (Count() > 0) {
        TString& note = Dimensions[Count() - 1].Comment;
        note = LinkText::WithoutLengthNote(LinkText::WithoutResidualNote(note));
    }
    Closed = false;
    CheckFigures.reset();
    FNoteResidual = false;
}

TString TDimensionChain::ShownNote(Integer K) const
{
    const TString& note = Dimensions[K].Comment;
    if (K != Count() - 1 || !CheckFigures) return note;
    return note + LinkText::CheckNote(CheckFigures->QHigh, CheckFigures->QLow);
}

TString TDimensionChain::TypedNote(Integer K, const TString& Typed) const
{
    if (K != Count() - 1 || !CheckFigures) return Typed;
    const TString figures = LinkText::CheckNote(CheckFigures->QHigh, CheckFigures->QLow);
    const Integer kept = Typed.Length() - figures.Length();
    if (kept < 0 || !(Typed.SubStr(kept, figures.Length()) == figures)) return Typed;
    return Typed.SubStr(0, kept);
}

void TDimensionChain::checkFiguresToStream(TKmfData& s) const
{
    s << Boolean(CheckFigures.has_value());
    if (CheckFigures) s << CheckFigures->QHigh << CheckFigures->QLow;
}

bool TDimensionChain::checkFiguresFromStream(TKmfData& s)
{
    if (!s.ReadBoolean()) return !s.ErrorReadFromFileToBufer;
    const Real high = s.ReadReal(), low = s.ReadReal();
    if (s.ErrorReadFromFileToBufer) return false;
    CheckFigures = TCheckFigures{high, low};
    return true;
}

void TDimensionChain::TakeCheckFiguresFromNote()
{
    TCheckFigures figures;
    if (Count() < 1 || !LinkText::TakeCheckNote(Dimensions[Count() - 1].Comment, figures.QHigh, figures.QLow))
        return;
    if (Closed) CheckFigures = figures;
}

void TDimensionChain::TakeClosingFigures(const TChainResult& Result)
{
    TDimension& L = Dimensions[Count() - 1];
    // A figure that is no number is never taken, nor written.
    if (!Result.Finite()) return;
    const bool angular = IsAngular(); // an angle takes angular deviations
    // Deviations of the nominal the dimension shows, so that its limits are the calculated
    // ones when its nominal is not what the links give (noted with "(*dT= ").
    const Real shown = angular ? L.ANominal : L.Nominal, length = ClosingLength(Result);
    const Real shift = std::fabs(shown - length) > TMathDef::metricPrecision && std::isfinite(shown - length)
                           ? length - shown
                           : 0.0;
    (angular ? L.AQHigh : L.QHigh) = Result.QHigh + shift;
    (angular ? L.AQLow : L.QLow) = Result.QLow + shift;
}

void TDimensionChain::KeepClosingTexts(TWrittenDeviations* Written)
{
    if (Count() < 1) return;
    const tvapi::IDrawingObjectPtr& closing = Dimensions[Count() - 1].Obj;
    if (Written) Written->Keep(closing);
    if (!OwnTexts) OwnTexts = TDeviationTexts::Of(closing);
}

void TDimensionChain::ApplyMethod()
{
    switch (MethodCalculating) {
    case mcMinMax:
        Lambda = 1.0;
        RiskFactor = 1.0;
        break;
    case mcNormalDistribution:
        Lambda = 1.0 / 9.0;
        break;
    case mcSimpsonDistribution:
        Lambda = 1.0 / 6.0;
        break;
    case mcEqualDistribution:
        Lambda = 1.0 / 3.0;
        break;
    default:
        break;
    }
}

Integer TDimensionChain::Neighbour(Integer Link, bool Up) const
{
    const Integer last = Count() - 1;
    if (Up) return Link > 0 && Link < last ? Link - 1 : -1;
    return Count() >= 3 && Link >= 0 && Link < last - 1 ? Link + 1 : -1;
}

Integer TDimensionChain::Index(const tvapi::IDrawingObjectPtr& Object) const
{
    if (!Object) return -1;
    for (Integer i = 0; i < Dimensions.Count; ++i)
        if (Dimensions[i].Obj && Dimensions[i].Obj == Object) return i;
    return -1;
}

void TDimensionChain::Remove(const tvapi::IDrawingObjectPtr& Object, TChainHost& Host)
{
    const Integer i = Index(Object);
    if (i < 0) return;
    Open();
    Host.UnSelect(Dimensions[i].AuxObj);
    Dimensions.Delete(i);
}

void TDimensionChain::RemoveAll(TChainHost& Host)
{
    Closed = false;
    for (Integer i = Dimensions.Count - 1; i >= 0; --i) {
        Host.UnSelect(Dimensions[i].Obj);
        Host.UnSelect(Dimensions[i].AuxObj);
        Dimensions.Delete(i);
    }
}

TChainSpace TDimensionChain::Space() const
{
    for (Integer i = 0; i < Dimensions.Count; ++i)
        if (Dimensions[i].IsModel()) return TChainSpace::Model;
    return TChainSpace::Drawing;
}

bool TDimensionChain::IsColinear() const
{
    if (Count() < 2) return true;
    for (Integer i = 0; i + 1 < Count(); ++i)
        if (Dimensions[i].V2.Relative(Dimensions[0].V2) != tl_On) return false;
    return true;
}

bool TDimensionChain::SearchClosureExhaustive(const Real* v, int dim, int count, Real tol, Integer& mask)
{
    if (count < 2 || count > MaxLinks || dim < 1 || dim > MaxDim) return false;
    const std::int64_t masks = std::int64_t(1) << count;
    for (std::int64_t m = 0; m < masks; ++m) {
        if (!MaskCloses(v, dim, count, tol, Integer(m))) continue;
        mask = Integer(m);
        return true;
    }
    return false;
}

bool TDimensionChain::SearchClosure(const Real* v, int dim, int count, Real tol, Integer& mask)
{
    if (count < 2 || count > MaxLinks || dim < 1 || dim > MaxDim) return false;
    TClosureSearch search;
    search.V = v;
    search.Dim = dim;
    search.Count = count;
    search.Tol = tol;
    Real total = 0.0;
    for (int k = 0; k < count; ++k)
        for (int d = 0; d < dim; ++d) {
            search.Rest[k + 1][d] = search.Rest[k][d] + std::fabs(v[k * dim + d]);
            total += std::fabs(v[k * dim + d]);
        }
    if (!std::isfinite(total)) return SearchClosureExhaustive(v, dim, count, tol, mask);
    search.Slack = 1e-12 * (total + 1.0) * count;
    // Short chains branch all the way; longer ones look their lower half up.
    search.Low = count <= DirectSearchLinks ? 0 : count / 2;
    search.Table.Build(v, dim, search.Low);
    if (!search.Descend(count, {}, 0)) return false;
    mask = search.Found;
    return true;
}

bool TDimensionChain::SignsClose() const
{
    if (Count() < 2 || Count() > MaxLinks) return false;
    const bool model = Is3D();
    std::vector<Real> v;
    Flatten(Dimensions, model, v);
    return MaskCloses(v.data(), model ? 3 : 2, Count(), model ? ModelTolerance : DrawingTolerance,
                      StateClosed);
}

bool TDimensionChain::IsClosed2D() const
{
    return SumSigns(Dimensions, false).has_value();
}

bool TDimensionChain::IsClosed3D() const
{
    return SumSigns(Dimensions, true).has_value();
}

void TDimensionChain::Flatten(const TLoopLinks& Links, bool Model, std::vector<Real>& Out)
{
    Out.clear();
    for (Integer i = 0; i < Links.Count(); ++i) {
        const TDimension& L = Links[i];
        if (Model)
            Out.insert(Out.end(), {L.V3.x, L.V3.y, L.V3.z});
        else
            Out.insert(Out.end(), {L.V2.x, L.V2.y});
    }
}
