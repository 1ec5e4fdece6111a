// The library's own static globals. They are made last in the load order (LoadOrder.h),
// after every global of the framework, and unmade first at unload.

#include "ControlModel.h"
#include "TDimensionChain.h"

#include "LoadOrder.h"

[[gnu::init_priority(loadorder::ControlModel)]] TControlModelDimChain ControlModel;

// Calculation methods by TMethodCalculating; risk labels (per cent) and the coefficient that
// each stands for, by position. The 1 % risk takes the normal quantile 2.57.
[[gnu::init_priority(loadorder::ChainTables)]] const TArrayOf<TString> eMethodCalculating{
    TString("Минимум Максимум"), TString("Нормальное распределение"), TString("Распределение Симпсона"),
    TString("Равная вероятность")};
[[gnu::init_priority(loadorder::ChainTables)]] const TAStr eRiskFactor{
    TString("0.1"), TString("0.27"), TString("0.51"), TString("0.94"), TString("1.0"), TString("2.1"),
    TString("4.6"), TString("9"),    TString("16"),   TString("23"),   TString("32")};
[[gnu::init_priority(loadorder::ChainTables)]] const TAReal vRiskFactor{3.3, 3.0, 2.8, 2.6, 2.57, 2.3,
                                                                        2.0, 1.7, 1.4, 1.2, 1.0};
