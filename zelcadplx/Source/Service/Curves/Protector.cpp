#include "Protector.h"

#include "Dictionary.h"
#include "TDebug.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <thread>

namespace {

constexpr Integer kZoneTyp = 1;
constexpr Integer kZonePen = 3;
constexpr Real kTie = TMathDef::metricPrecision; // equal areas and products
constexpr Integer kRectWidenings = 99;           // k grows by 2 up to 100
constexpr Integer kPairWidenings = 100;          // k grows by 5 below 100

TRect2D ZoneBox(const TProtectContour& Z)
{
    return Z.Cont ? Z.Cont->Gabaryt : TRect2D();
}

// The circle (caches brought up to date by the caller) clear of every zone of Z.
bool CircleClear(const TProtector& Z, const TCircle& C)
{
    TRect2D box;
    box.Set(C.x - C.Radius, C.y - C.Radius, C.x + C.Radius, C.y + C.Radius);
    for (Integer i = 0; i < Z.Count; ++i) {
        const TProtectContour& R = Z[i];
        if (box.InterSect(ZoneBox(R)) && R.Cont && R.Cont->Found(&C)) return false;
    }
    return true;
}

bool CircleClear(const TProtector& Z, TCircle& C, Real x, Real y, Real r)
{
    C.x = x;
    C.y = y;
    C.Radius = r;
    C.Atr = 1;
    C.Refresh();
    C.Calculate();
    return CircleClear(Z, C);
}

bool CornersClear(const TProtector& Z, TCircle& C, const TRectCandidate& K, Real r)
{
    return CircleClear(Z, C, K.x2, K.y2, r) && CircleClear(Z, C, K.x2, K.y1, r) &&
           CircleClear(Z, C, K.x1, K.y2, r) && CircleClear(Z, C, K.x1, K.y1, r);
}

void Progress(const char* text)
{
    TDebug::Instance().Output(DC(TString(text)));
}

TRect2D Snapped(const TRect2D& R, Real s)
{
    TRect2D G;
    G.LD.Set(MinDivisible(R.LD.x, s), MinDivisible(R.LD.y, s));
    G.RU.Set(MaxDivisible(R.RU.x, s), MaxDivisible(R.RU.y, s));
    return G;
}

// The workers of one rectangle search; stopped and joined however the search ends. Each
// worker tests copies of the zones with fresh caches that it makes itself, at once with the
// others and in memory of its own thread.
class TWorkers {
public:
    TWorkers(const TProtector& P, Integer n)
    {
        for (Integer i = 0; i < n; ++i) {
            copies.push_back(std::make_unique<TProtector>());
            params.push_back(std::make_unique<TFThreadAdmissibleParam>(*copies[i]));
        }
        for (Integer i = 0; i < n; ++i)
            threads.emplace_back([this, &P, i] {
                Copy(P, *copies[i]);
                TFThreadAdmissible(*params[i]);
            });
    }
    TWorkers(const TWorkers&) = delete;
    TWorkers& operator=(const TWorkers&) = delete;
    ~TWorkers()
    {
        for (auto& p : params) {
            std::lock_guard<std::mutex> lock(p->mtx);
            p->Stop = true;
            p->cv.notify_all();
        }
        for (std::thread& t : threads)
            t.join();
    }

    // Answers for every candidate of the batch, in order: out[i] for batch[i].
    const char* Answer(const std::vector<TRectCandidate>& batch, Real r)
    {
        // Aligned, so that the answers of one chunk share a cache line with no other chunk's.
        store.resize(batch.size() + TRectBatch::chunk);
        void* at = store.data();
        size_t room = store.size();
        auto* out = static_cast<char*>(std::align(TRectBatch::chunk, batch.size(), at, room));
        TRectBatch shared;
        shared.Candidates = batch.data();
        shared.Count = batch.size();
        shared.Radius = r;
        shared.Answers = out;
        for (auto& p : params) {
            {
                std::lock_guard<std::mutex> lock(p->mtx);
                p->Batch = &shared;
            }
            p->NotifyInput();
        }
        for (auto& p : params)
            p->WaitResult();
        return out;
    }

    // Copies of every zone, so that a worker fills only its own caches.
    static void Copy(const TProtector& From, TProtector& To);

private:
    std::vector<std::unique_ptr<TProtector>> copies; // per worker
    std::vector<std::unique_ptr<TFThreadAdmissibleParam>> params;
    std::vector<std::thread> threads;
    std::vector<char> store;
};

} // namespace

// ---- worker handshake ----------------------------------------------------------------------------

void TFThreadAdmissibleParam::NotifyInput()
{
    std::lock_guard<std::mutex> lock(mtx);
    dataReady = true;
    Result = false;
    cv.notify_all();
}

void TFThreadAdmissibleParam::NotifyResult()
{
    std::lock_guard<std::mutex> lock(mtx);
    dataReady = false;
    Result = true;
    cv.notify_all();
}

void TFThreadAdmissibleParam::WaitResult()
{
    std::unique_lock<std::mutex> lock(mtx);
    cv.wait(lock, [this] { return Result || Stop; });
}

void TFThreadAdmissible(TFThreadAdmissibleParam& Param)
{
    for (;;) {
        TRectBatch* batch = nullptr;
        {
            std::unique_lock<std::mutex> lock(Param.mtx);
            Param.cv.wait(lock, [&Param] { return Param.dataReady || Param.Stop; });
            if (Param.Stop) return;
            batch = Param.Batch;
        }
        // Read once: the tests between the claims are calls the compiler cannot see through.
        const TRectCandidate* const candidates = batch->Candidates;
        char* const answers = batch->Answers;
        const size_t count = batch->Count;
        const Real r = batch->Radius;
        for (;;) {
            const size_t first = batch->Next.fetch_add(TRectBatch::chunk, std::memory_order_relaxed);
            if (first >= count) break;
            const size_t end = std::min(first + TRectBatch::chunk, count);
            for (size_t i = first; i < end; ++i)
                answers[i] = CornersClear(Param.Protector, Param.C, candidates[i], r) ? 1 : 0;
        }
        Param.NotifyResult();
    }
}

// ---- zones ---------------------------------------------------------------------------------------

void TWorkers::Copy(const TProtector& From, TProtector& To)
{
    for (Integer i = 0; i < From.Count; ++i) {
        TProtectContour Z = From[i];
        if (Z.Cont) {
            auto* C = new TContour;
            Z.Cont->Duplicate(C);
            C->Refresh();
            C->Calculate();
            Z.Cont = C;
        }
        To.Add(Z);
    }
}

void TProtector::Finish(Integer i) const
{
    if (!ValidIndex(i) || !FArray[i].Cont) return;
    FArray[i].Cont->Refresh();
    FArray[i].Cont->Calculate();
}

void TProtector::AddProtectContour(TContour* Cont)
{
    std::unique_ptr<TContour> owned(Cont); // taken over even when it is not kept
    if (!owned || owned->Count == 0) return;
    Add(TProtectContour{0, kZoneTyp, owned.release()});
    Finish(Count - 1);
}

TContour* TProtector::BeginProtectContour()
{
    Finish(Count - 1);
    auto* C = new TContour;
    Add(TProtectContour{0, kZoneTyp, C});
    Finish(Count - 1);
    return C;
}

void TProtector::EndProtectContour()
{
    Finish(Count - 1);
}

void TProtector::Clear()
{
    for (Integer i = 0; i < Count; ++i) {
        delete FArray[i].Cont;
        FArray[i].Cont = nullptr;
    }
    TArrayOf::Clear();
}

Boolean TProtector::Admissible(const TContour& C) const
{
    TRect2D box;
    C.Rect(box);
    for (Integer i = 0; i < Count; ++i) {
        const TProtectContour& R = FArray[i];
        if (box.InterSect(ZoneBox(R)) && R.Cont && R.Cont->Found(C)) return false;
    }
    return true;
}

Boolean TProtector::Admissible(const double& X, const double& Y, const double& R) const
{
    TCircle C;
    return CircleClear(*this, C, X, Y, R);
}

void TProtector::Draw(TGImage& GI) const
{
    for (Integer i = 0; i < Count; ++i)
        if (FArray[i].Cont) FArray[i].Cont->GIdrItems(GI, kZonePen);
}

void TProtector::GabaritProtect(TRect2D& G) const
{
    G.SetNull();
    if (Count == 0) return;
    G = ZoneBox(FArray[0]);
    for (Integer i = 1; i < Count; ++i) {
        const TContour* C = FArray[i].Cont;
        if (!C || C->Count == 0) continue;
        G.LD.Set(std::min(G.LD.x, C->Gabaryt.LD.x), std::min(G.LD.y, C->Gabaryt.LD.y));
        G.RU.Set(std::max(G.RU.x, C->Gabaryt.RU.x), std::max(G.RU.y, C->Gabaryt.RU.y));
    }
}

// ---- rectangle search ----------------------------------------------------------------------------

Boolean TProtector::PlaceByRectAngle(const TRect2D& iO, const double& Radius, const TRect2D& PA, double& Xl,
                                     double& Yd, double& Xr, double& Yu, int Step, bool Opt) const
{
    Progress(Opt ? " Розміщаємо прямокутником" : "Оптимізуємо розміщення прямокутником");
    if (Step < 1) return false; // no grid to walk
    const Real s = Step, R = Radius;
    TRect2D shrunk;
    shrunk.LD.Set(iO.LD.x + R, iO.LD.y + R);
    shrunk.RU.Set(iO.RU.x - R, iO.RU.y - R);
    const TRect2D I = Snapped(shrunk, s), P = Snapped(PA, s);
    TRect2D S;
    S.LD.Set(std::min(I.LD.x, P.LD.x), std::min(I.LD.y, P.LD.y));
    S.RU.Set(std::max(I.RU.x, P.RU.x), std::max(I.RU.y, P.RU.y));
    Integer k = 0;
    Real bestW = 0.0, bestA = 0.0;
    TRectCandidate best;
    TWorkers workers(*this, std::max<Integer>(Workers, 1));
    std::vector<TRectCandidate> batch;
    std::vector<size_t> columnEnd;
    for (Real x2 = P.RU.x; x2 <= S.RU.x;) {
        // Every column up to the right of the box goes to the workers at once: the box widens
        // only after its last column, so the columns of one batch see the same box.
        batch.clear();
        columnEnd.clear();
        for (Real c = x2; c <= S.RU.x; c += s) {
            const bool near = k == 0 || c >= S.RU.x - 2 * s;
            for (Real y2 = near ? P.RU.y : S.RU.y - 2 * s; y2 <= S.RU.y; y2 += s)
                for (Real y1 = near ? P.LD.y : S.LD.y + 2 * s; y1 >= S.LD.y; y1 -= s)
                    for (Real x1 = P.LD.x; x1 >= S.LD.x; x1 -= s)
                        batch.push_back(TRectCandidate{x1, y1, c, y2});
            columnEnd.push_back(batch.size());
        }
        const char* answers = workers.Answer(batch, R);
        size_t i = 0;
        for (const size_t end : columnEnd) {
            for (; i < end; ++i) {
                if (!answers[i]) continue;
                const TRectCandidate& K = batch[i];
                const Real w = (std::max(K.x2, I.RU.x) - std::min(K.x1, I.LD.x)) *
                               (std::max(K.y2, I.RU.y) - std::min(K.y1, I.LD.y));
                const Real a = (K.x2 - K.x1) * (K.y2 - K.y1);
                if (std::fabs(bestA) <= kTie || w < bestW || (std::fabs(bestW - w) <= kTie && a > bestA)) {
                    bestW = w;
                    bestA = a;
                    best = K;
                }
            }
            x2 += s;
        }
        if (x2 > S.RU.x && bestA == 0.0 && k <= kRectWidenings && !Opt) {
            S.Enlarge(2 * s);
            k += 2;
        }
    }
    if (bestA == 0.0) return false;
    Xl = best.x1;
    Yd = best.y1;
    Xr = best.x2;
    Yu = best.y2;
    return true;
}

// ---- symmetric search ----------------------------------------------------------------------------

Boolean TProtector::PlaceBySymmetryY(double oXl, double oYd, double oXr, double oYu, double Radius,
                                     double sXl, double sYd, double sXr, double sYu, double& Xu, double& Yu,
                                     double& Xd, double& Yd, int Step, bool Opt) const
{
    Progress(Opt ? " Розміщаємо трапецією" : "Оптимізуємо розміщення трапецією");
    if (Step < 1) return false;
    const Real s = Step, R = Radius, B = 5 * s, A = oXr * oYu * 0.125;
    const Real rU = std::min(2 * oYu / oXr, 1.0), rD = std::min(2 * oYd / oXl, 1.0);
    Real xLo = MaxDivisible(oXl + R, s), yLo = MaxDivisible(oYd + R, s);
    Real xHi = MinDivisible(oXr - R, s), yHi = MinDivisible(oYu - R, s);
    const Real sxl = MinDivisible(sXl - R, s), syd = MinDivisible(sYd - R, s);
    const Real sxr = MaxDivisible(sXr + R, s), syu = MaxDivisible(sYu + R, s);
    if (xHi < sxr) return false;
    TCircle C;
    auto pairClear = [&](Real x, Real y) {
        return CircleClear(*this, C, x, y, R) && CircleClear(*this, C, -x, y, R);
    };

    Integer k = 0;
    bool first = true;
    Real b1 = 0.0, ux = 0.0, uy = 0.0;
    for (Real x = sxr; x <= xHi;) {
        const Real xw = std::max(x, xHi - k * s), yw = yHi - k * s;
        for (Real y = first || x >= xHi - B ? syu : yHi - B; y <= yHi; y += s) {
            if (!pairClear(x, y)) continue;
            const Real m = first ? x * y : std::max(y, yw) * xw + std::fabs(x * rU - y) * A;
            if (b1 == 0.0 || (first ? b1 <= m : m <= b1)) {
                ux = x;
                uy = y;
                b1 = m;
            }
        }
        x += s;
        if (x > xHi && b1 == 0.0 && !Opt && k < kPairWidenings) {
            xHi += B;
            yHi += B;
            x = sxr;
            k += 5;
            first = false;
        }
    }
    if (b1 == 0.0 || sxl < xLo) return false;

    k = 0;
    first = true;
    Real b2 = 0.0, dx = 0.0, dy = 0.0;
    for (Real x = sxl; x >= xLo;) {
        const Real xw = std::min(x, xLo + k * s), yw = yLo + k * s;
        for (Real y = first || x <= xLo + B ? syd : yLo + B; y >= yLo; y -= s) {
            if (!pairClear(x, y)) continue;
            const Real m = first ? x * y : std::min(y, yw) * xw + std::fabs(x * rD - y) * A;
            if (b2 == 0.0 || (first ? b2 < m : m < b2)) {
                dx = -x;
                dy = y;
                b2 = m;
            }
        }
        x -= s;
        if (x < xLo && b2 == 0.0 && !Opt && k < kPairWidenings) {
            xLo -= B;
            yLo -= B;
            x = sxl;
            k += 5;
            first = false;
        }
    }
    if (b2 == 0.0) return false;
    Xu = ux;
    Yu = uy;
    Xd = dx;
    Yd = dy;
    return true;
}
