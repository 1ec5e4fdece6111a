// Tests of the material table: row count, fixed widths, byte-exact names (the Latin look-alike
// letters of rows 5 and 6 included: the texts below carry them), library keys and densities.

#include "drMaterial.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "StreamTestUtil.h"

using streamtest::Text;

TEST(TMaterialTest, ThirteenRowsOfFixedWidthAndSteelDensity)
{
    ASSERT_EQ(AMaterial.Count, 13);
    const char* names[] = {"",
                           "Сталь 45 ГОСТ 1050-88",
                           "Сталь У8А ГОСТ 1435-99",
                           "Сталь 20Х ГОСТ 4543-71",
                           "Сталь 30 ГОСТ 1050-88",
                           "Cталь 20 ГОСТ 1050-88",
                           "Cтaль 3  ГОСТ 380-94",
                           "Сталь Х12М ГОСТ 5950-2000",
                           "Сталь 65Г ГОСТ 14959-79",
                           "Сталь 35 ГОСТ 1050-88",
                           "Резина",
                           "Проволока 65Г-1,0 ГОСТ 9389-90",
                           "Сталь 40Х13 ГОСТ 4543-71"};
    std::set<std::string> keys;
    for (Integer i = 0; i < 13; ++i) {
        SCOPED_TRACE(i);
        const TMaterial& m = AMaterial[i];
        EXPECT_EQ(m.Density, 7800.0);
        // The listed name padded with blanks to 31 bytes.
        const TString name(names[i]);
        EXPECT_EQ(Text(m.Name), Text(name) + std::string(31 - name.Length(), ' '));

        const std::string key = Text(m.Location);
        if (i < 1 || i > 9) {
            EXPECT_EQ(key, std::string(42, ' '));
            continue;
        }
        EXPECT_EQ(key.size(), 42u);
        EXPECT_EQ(key.substr(0, 10), "Material:V");
        EXPECT_EQ(key.find_first_not_of("0123456789ABCDEF", 10), std::string::npos);
        keys.insert(key);
    }
    EXPECT_EQ(keys.size(), 9u); // each keyed row has its own key
    EXPECT_EQ(MaterialRow(12), &AMaterial[12]);
    EXPECT_FALSE(MaterialRow(-1));
    EXPECT_FALSE(MaterialRow(13));
}
