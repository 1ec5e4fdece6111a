// Damaged parameter files and formulas: cut and mutated copies of the bundled library and
// random formula texts must load or fail with a message, never crash or hang. Run under the
// sanitizer build as well.

#include "TCalculator.h"
#include "TextBase.h"

#include "MessageSinks.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace {

std::string ReadSample()
{
    std::ifstream in(DC_SOURCE_DIR "/samples/ZelCoupling.tb", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Loads Bytes as a library and walks every lookup over every record held.
void LoadAndWalk(const std::string& Bytes, testsinks::TRecordingHost& Host)
{
    const std::string dir = testing::TempDir();
    std::ofstream(dir + "fuzz.tb", std::ios::binary | std::ios::trunc) << Bytes;
    TTextBase base;
    if (!base.Init(dir.c_str(), "fuzz.tb")) return;
    TADTable lib;
    lib.Init(base);
    ASSERT_LE(lib.Count, TADTable::MaxDetails);
    TAStr list;
    TArrayOf<int> ids;
    lib.GetManufactures(list, false);
    lib.GetDetails("*", "*", list, ids);
    for (Integer i = 0; i < lib.Count; ++i) {
        const TDTable& d = *lib.Details[i];
        ASSERT_EQ(static_cast<std::size_t>(d.Count * d.Params), d.pBase.size());
        ASSERT_EQ(static_cast<std::size_t>(d.Count2 * d.Params2), d.pBase2.size());
        for (Integer row = -1; row <= d.Count; ++row) {
            lib.Name(TBaseDetail{d.ID, row, -1});
            lib.Name(TBaseDetail{d.ID, row, row});
            TAReal a;
            lib.Params(d.ID, row, a);
            double t = 0;
            lib.GetPlate(d.ID, row, 1, 12.5, t);
        }
        lib.IndexStDet(d.ID, 1, 8, 2, 30, 3, 1);
        lib.IndexStDet(d.ID, -1, 8, -2, 30, -3, 1);
        TString n, c;
        lib.GetParam(d.ID, 1, n, c, list);
        lib.GetSpcDetail(d.ID, "8", "*", "", list, ids);
    }
    base.CouplingLS(list);
    delete base.GetTable("Образец");
    for (const std::string& box : Host.Boxes)
        ASSERT_FALSE(box.empty());
}

TEST(TextBaseFuzzTest, EveryCutOfTheBundledLibraryLoadsOrReports)
{
    const std::string sample = ReadSample();
    ASSERT_GT(sample.size(), 100u);
    testsinks::TRecordingHost host;
    for (std::size_t n = 0; n <= sample.size(); n += 3) {
        SCOPED_TRACE(n);
        host.Boxes.clear();
        LoadAndWalk(sample.substr(0, n), host);
    }
}

TEST(TextBaseFuzzTest, MutatedLibrariesLoadOrReport)
{
    const std::string sample = ReadSample();
    const char16_t pieces[] = {u'{', u'}', u'"', u'#', u'-', u'9', u' ', u'/', 0, u'\r', u':'};
    std::mt19937 rng(116);
    testsinks::TRecordingHost host;
    for (int trial = 0; trial < 300; ++trial) {
        std::string bytes = sample;
        for (int k = 0; k < 4; ++k) {
            const std::size_t at = 2 + 2 * (rng() % ((bytes.size() - 2) / 2));
            const char16_t c = pieces[rng() % std::size(pieces)];
            bytes[at] = static_cast<char>(c & 0xFF);
            bytes[at + 1] = static_cast<char>(c >> 8);
        }
        if (trial % 10 == 0) bytes[2 + rng() % (bytes.size() - 2)] = static_cast<char>(rng());
        SCOPED_TRACE(trial);
        host.Boxes.clear();
        LoadAndWalk(bytes, host);
    }
}

TEST(TextBaseFuzzTest, RandomFormulasGiveAValueOrAClearError)
{
    const char alphabet[] = "0123456789.+-*/=<>(),xy RNDSQRTMinMaxSinCosIf#\xC0";
    std::mt19937 rng(123);
    TCalculator c;
    c.SetVariable("x", 2);
    const std::string known[] = {TString("Неизвестная ошибка").PChar(), TString("Деление на ноль").PChar(),
                                 TString("Синтаксическая ошибка в формуле").PChar()};
    for (int trial = 0; trial < 20000; ++trial) {
        std::string text;
        const int length = static_cast<int>(rng() % 24);
        for (int k = 0; k < length; ++k)
            text += alphabet[rng() % (sizeof alphabet - 1)];
        SCOPED_TRACE(text);
        TString formula;
        formula.Set(text.c_str());
        try {
            c.SetEquation(formula);
            c.Calculate();
        } catch (const TCalculatorException& e) {
            const std::string message = e.ErrorMessage.PChar();
            bool clear = false;
            for (const std::string& k : known)
                clear = clear || message.rfind(k, 0) == 0;
            ASSERT_TRUE(clear) << message;
        }
    }
}

} // namespace
