// The chain: link list, closure search, calculation of the closing link and stream form.

#include "TDimensionChain.h"

#include "KmfData.h"
#include "TArrayStream.h"
#include "drModelerAPI.h"
#include "drSelectorAPI.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr Real DegToRad = 0.017453292519943295;
constexpr int MaxDim = 3;
constexpr int DirectSearchLinks = 12;
constexpr int ColumnLabel = 0;
constexpr int ColumnSign = 1;
constexpr int ColumnClosingSign = 5;

// Stored coefficients beyond these are damage: the methods weigh by at most 1, the largest
// risk coefficient is 3.3.
constexpr Real MaxLambda = 1.0;
constexpr Real MaxRisk = 10.0;

// Positive and at most Max; NaN fails.
bool Plausible(Real v, Real Max)
{
    return v > 0.0 && v <= Max;
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

// Turns a model chain's link vectors into the flat list the search reads.
void Flatten(const TArrayOf<TDimension>& links, bool model, std::vector<Real>& out)
{
    out.clear();
    for (Integer i = 0; i < links.Count; ++i) {
        const TDimension& L = links[i];
        if (model) {
            out.insert(out.end(), {L.V3.x, L.V3.y, L.V3.z});
        } else {
            out.insert(out.end(), {L.V2.x, L.V2.y});
        }
    }
}

// What one link adds to the spread and to the middle of the closing link's field.
struct TContribution {
    Real Spread = 0.0;
    Real Middle = 0.0;
};

// Linear, diametral and radial links: the field projected on the closing direction; the
// spread takes the projection's size, the middle its sign.
TContribution LinearContribution(const TDimension& L, Real c, Real sgn)
{
    const Real lo = L.QLow + L.EQLow;
    const Real hi = L.QHigh + L.EQHigh;
    return {(hi - lo) * std::fabs(c), c * sgn * (hi + lo) * 0.5};
}

// Angular links: the change of the projection L cos(theta) when the angle turns by each of
// its deviations.
TContribution AngularContribution(const TDimension& L, Real len, Real c, Real s, Real sgn)
{
    const Real a = L.AQLow * DegToRad;
    const Real e = L.AQHigh * DegToRad;
    const Real d1 = len * (c * std::cos(a) - s * std::sin(a)) - len * c;
    const Real d2 = len * (c * std::cos(e) - s * std::sin(e)) - len * c;
    return {std::max(d1, d2) - std::min(d1, d2), sgn * (d1 + d2) * 0.5};
}

TContribution DrawingContribution(const TDimension& L, const TVector2D& u, Real sgn)
{
    const Real len = L.V2.Len();
    if (!(len > TDimension::ZeroLength)) return {};
    const Real c = std::clamp((L.V2 | u) / len, -1.0, 1.0);
    const Real s = std::sqrt(std::max(0.0, 1.0 - c * c));
    switch (L.Type) {
    case tvapi::tvDrLDimension:
    case tvapi::tvDrDDimension:
    case tvapi::tvDrRDimension:
        return LinearContribution(L, c, sgn);
    case tvapi::tvDrADimension:
        return AngularContribution(L, len, c, s, sgn);
    default:
        return {};
    }
}

TContribution ModelContribution(const TDimension& L, Real sgn)
{
    switch (static_cast<int>(L.TMO)) {
    case tvapi::o3d_baselineDimension3D:
    case tvapi::o3d_lineDimension3D:
    case tvapi::o3d_SketchLinearDimension:
        return LinearContribution(L, 1.0, sgn);
    default:
        return {};
    }
}

} // namespace

TDimensionChain& TDimensionChain::operator=(const TDimensionChain& C)
{
    if (this == &C) return *this;
    Dimensions = C.Dimensions;
    Grid = C.Grid;
    Closed = C.Closed;
    StateClosed = C.StateClosed;
    MethodCalculating = C.MethodCalculating;
    Lambda = C.Lambda;
    RiskFactor = C.RiskFactor;
    return *this;
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
    if (method < mcMinMax || method >= mcCount || !Plausible(lambda, MaxLambda) ||
        !Plausible(risk, MaxRisk)) {
        s.ErrorReadFromFileToBufer = true; // no calculation could use them: the data is damaged
        return;
    }
    Closed = closed;
    StateClosed = state;
    MethodCalculating = TMethodCalculating(method);
    Lambda = lambda;
    RiskFactor = risk;
}

void TDimensionChain::RewriteRow(Integer Index, int NumberChain)
{
    Dimensions[Index].toGrid(Grid, Index + 1, NumberChain, false);
}

Boolean TDimensionChain::Add(tvapi::IDrawingObjectPtr iObj, tvapi::IDrawingObjectPtr iAuxObj, int NumberChain)
{
    const tvapi::DrawingObjectTypeEnum type = drApi::MA.GetType(iObj);
    TDimension link;
    link.Type = type;
    // A linked dimension picked with an auxiliary object is captured again in place; the chain
    // is then tested and calculated as after any other pick.
    Integer at = -1;
    switch (type) {
    case tvapi::tvDrLDimension:
        at = iAuxObj ? Index(iObj) : -1;
        if (at >= 0)
            Dimensions[at].SetLDim(iObj, iAuxObj);
        else
            link.SetLDim(iObj, {});
        break;
    case tvapi::tvDrADimension: {
        const tvapi::DrawingObjectTypeEnum aux = drApi::MA.GetType(iAuxObj);
        at = aux == tvapi::tvDrLDimension ? Index(iAuxObj) : -1;
        if (at >= 0)
            Dimensions[at].SetLDim(iAuxObj, iObj);
        else if (aux == tvapi::tvDrLineSeg)
            link.SetADim(iObj, iAuxObj);
        else
            return false;
        break;
    }
    case tvapi::tvDrDDimension:
        link.SetDDim(iObj, iAuxObj);
        break;
    case tvapi::tvDrRDimension:
        link.SetRDim(iObj, iAuxObj);
        break;
    default:
        return false;
    }
    if (at >= 0)
        RewriteRow(at, NumberChain);
    else
        Dimensions.Add(link);
    TDimension& L = Dimensions[Count() - 1];
    if (L.Obj)
        OrientDrawingVector(L.V2);
    else
        OrientModelVector(L.V3);
    if (IsClosed()) CloseAndCalculate(L);
    if (Grid) {
        L.toGrid(Grid, Count(), NumberChain, Closed);
        // The row rewrite empties the sign column: the closing link shows its sign again.
        if (Closed) WriteSign(Count(), ColumnClosingSign, (StateClosed >> (Count() - 1)) & 1);
        Grid->SetCurrentRow(Count());
        Grid->Redraw();
    }
    return true;
}

void TDimensionChain::CloseAndCalculate(TDimension& L)
{
    const Real nominal = L.Nominal;
    Real n = 0.0, hi = 0.0, lo = 0.0;
    Calculate2D(true, n, hi, lo);
    L.Comment += TString("0(");
    L.Comment += TString(n, 2, true, 7);
    L.Comment += TString(")[");
    L.Comment += TString(hi, 3, true, 7);
    L.Comment += TString(",");
    L.Comment += TString(lo, 3, true, 7);
    L.Comment += TString("]");
    Calculate2D(false, L.Nominal, L.QHigh, L.QLow);
    L.Nominal = nominal;
    L.toDrawing();
    const Real length = L.V2.Len();
    if (L.Nominal != length) {
        L.Comment += TString("(*dT= ");
        L.Comment += TString(L.Nominal, 3, true, 7);
        L.Comment += TString(" ");
        L.Comment += TString(length, 3, true, 7);
    }
}

void TDimensionChain::ToGrid(int Number, TLinkGridPtr iGrid)
{
    if (!iGrid) return;
    const int rows = iGrid->RowCount();
    const int columns = rows >= 2 ? iGrid->ColumnCount() : 0;
    for (int i = 1; i < rows; ++i) {
        if (i > Count()) {
            for (int c = 0; c < columns; ++c)
                iGrid->SetText(i, c, L"");
            continue;
        }
        Dimensions[i - 1].toGrid(iGrid, i, Number, i == Count() && Closed);
        if (Closed) iGrid->SetText(i, ColumnClosingSign, (StateClosed >> (i - 1)) & 1 ? L"+" : L"-");
    }
    iGrid->Redraw();
}

Integer TDimensionChain::Index(const tvapi::IDrawingObjectPtr& Object) const
{
    if (!Object) return -1;
    for (Integer i = 0; i < Dimensions.Count; ++i)
        if (Dimensions[i].Obj && Dimensions[i].Obj == Object) return i;
    return -1;
}

void TDimensionChain::Remove(const tvapi::IDrawingObjectPtr& Object)
{
    const Integer i = Index(Object);
    if (i < 0) return;
    Closed = false;
    if (drApi::Selector) drApi::Selector->UnSelect2D(Dimensions[i].AuxObj);
    Dimensions.Delete(i);
    if (Grid) DeleteRow(i);
}

void TDimensionChain::RemoveAll()
{
    Closed = false;
    for (Integer i = Dimensions.Count - 1; i >= 0; --i) {
        if (drApi::Selector) {
            drApi::Selector->UnSelect2D(Dimensions[i].Obj);
            drApi::Selector->UnSelect2D(Dimensions[i].AuxObj);
        }
        Dimensions.Delete(i);
        if (Grid) DeleteRow(i);
    }
}

void TDimensionChain::DeleteRow(int Index)
{
    if (!Grid || Grid->RowCount() <= 0) return;
    const int columns = Grid->ColumnCount();
    for (int r = Index + 1; r <= Count(); ++r) {
        for (int c = 0; c < columns; ++c)
            Grid->SetText(r, c, Grid->GetText(r + 1, c));
        Grid->SetText(r, ColumnLabel, L"1A" + std::to_wstring(r));
    }
    for (int c = 0; c < columns; ++c)
        Grid->SetText(Count() + 1, c, L"");
}

bool TDimensionChain::Is3D() const
{
    for (Integer i = 0; i < Dimensions.Count; ++i)
        if (Dimensions[i].IsModel()) return true;
    return false;
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

bool TDimensionChain::Close(int dim)
{
    Closed = false;
    if (Count() < 2 || Count() > MaxLinks) return false;
    std::vector<Real> v;
    Flatten(Dimensions, dim == 3, v);
    Integer mask = 0;
    if (!SearchClosure(v.data(), dim, Count(), dim == 3 ? ModelTolerance : DrawingTolerance, mask))
        return false;
    StateClosed = mask;
    Closed = true;
    return true;
}

bool TDimensionChain::IsClosed()
{
    if (Count() < 1) {
        Closed = false;
        return false;
    }
    return Is3D() ? IsClosed3D() : IsClosed2D();
}

bool TDimensionChain::IsClosed2D()
{
    return Close(2);
}

bool TDimensionChain::IsClosed3D()
{
    return Close(3);
}

void TDimensionChain::WriteSign(int Row, int Column, bool Plus)
{
    if (Grid) Grid->SetText(Row, Column, Plus ? L"+" : L"-");
}

void TDimensionChain::Calculate2D(bool ZeroEndDim, Real& Nominal, Real& QHigh, Real& QLow)
{
    if (!Closed) return;
    if (MethodCalculating == mcMinMax) RiskFactor = 1.0;
    Nominal = QHigh = QLow = 0.0;
    Real S = 0.0, M = 0.0;
    TVector2D W;
    const int n = ZeroEndDim ? Count() : std::max(Count() - 1, 0);
    TVector2D u(1.0, 0.0);
    if (n >= 1) {
        const TVector2D& last = Dimensions[Count() - 1].V2;
        const Real len = last.Len();
        u = len > TDimension::ZeroLength ? last / len : last;
    }
    for (int i = 0; i < n; ++i) {
        const TDimension& L = Dimensions[i];
        const bool plus = (StateClosed >> i) & 1;
        const Real sgn = plus ? 1.0 : -1.0;
        const Real K = 1.0 + L.dLdT * L.dT;
        WriteSign(i + 1, ColumnSign, plus);
        TContribution part = DrawingContribution(L, u, sgn);
        if (MethodCalculating != mcMinMax) part.Spread = part.Spread * part.Spread * Lambda;
        S += part.Spread * K;
        M += part.Middle * K;
        W += L.V2 * (sgn * K);
    }
    WriteSign(Count(), ColumnClosingSign, n < SignBits && ((StateClosed >> n) & 1));
    const Real half = MethodCalculating == mcMinMax ? S : std::sqrt(S) * RiskFactor;
    Nominal = W.Len();
    QHigh = M + half * 0.5;
    QLow = M - half * 0.5;
}

void TDimensionChain::Calculate3D(bool ZeroEndDim, Real& Nominal, Real& QHigh, Real& QLow)
{
    if (!Closed) return;
    if (MethodCalculating == mcMinMax) RiskFactor = 1.0;
    Nominal = QHigh = QLow = 0.0;
    Real S = 0.0, M = 0.0;
    TVector3D W;
    const int n = ZeroEndDim ? Count() : std::max(Count() - 1, 0);
    for (int i = 0; i < n; ++i) {
        const TDimension& L = Dimensions[i];
        const bool plus = (StateClosed >> i) & 1;
        const Real sgn = plus ? 1.0 : -1.0;
        const Real K = 1.0 + L.dLdT * L.dT;
        WriteSign(i + 1, ColumnSign, plus);
        TContribution part = ModelContribution(L, sgn);
        if (MethodCalculating != mcMinMax) part.Spread = part.Spread * part.Spread * Lambda;
        S += part.Spread * K;
        M += part.Middle * K;
        W = TVector3D(W.x + sgn * K * L.V3.x, W.y + sgn * K * L.V3.y, W.z + sgn * K * L.V3.z);
    }
    WriteSign(Count(), ColumnClosingSign, n < SignBits && ((StateClosed >> n) & 1));
    const Real half = MethodCalculating == mcMinMax ? S : std::sqrt(S) * RiskFactor;
    Nominal = std::sqrt(W.x * W.x + W.y * W.y + W.z * W.z);
    QHigh = M + half * 0.5;
    QLow = M - half * 0.5;
}
