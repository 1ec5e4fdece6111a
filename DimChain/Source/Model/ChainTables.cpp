// The chain's tables of calculation methods and risk factors, at their place in the load order
// (DimChainLoadOrder.h).

#include "DimChainLoadOrder.h"
#include "TDimensionChain.h"

// Calculation methods by TMethodCalculating; risk labels (per cent) and the coefficient that
// each stands for, by position. The 1 % risk takes the normal quantile 2.57.
[[gnu::init_priority(dimchainorder::ChainTables)]] const TArrayOf<TString> eMethodCalculating{
    TString("Минимум Максимум"), TString("Нормальное распределение"), TString("Распределение Симпсона"),
    TString("Равная вероятность")};
[[gnu::init_priority(dimchainorder::ChainTables)]] const TAStr eRiskFactor{
    TString("0.1"), TString("0.27"), TString("0.51"), TString("0.94"), TString("1.0"), TString("2.1"),
    TString("4.6"), TString("9"),    TString("16"),   TString("23"),   TString("32")};
[[gnu::init_priority(dimchainorder::ChainTables)]] const TAReal vRiskFactor{3.3, 3.0, 2.8, 2.6, 2.57, 2.3,
                                                                            2.0, 1.7, 1.4, 1.2, 1.0};
