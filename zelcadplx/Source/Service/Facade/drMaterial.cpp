#include "drMaterial.h"

#include "LoadOrder.h"

namespace {

constexpr Real SteelDensity = 7800.0;
constexpr Integer TableRoom = 64;

void FillTable(TArrayOf<TMaterial>& table)
{
    // Rows 5 and 6 are spelt as the host's material library spells them: a Latin C (and in
    // row 6 a Latin a), two blanks after the 3. They are lookup keys, kept byte-exact.
    static const struct {
        const char* Name;
        const char* Location;
    } rows[] = {
        {"", ""},
        {"Сталь 45 ГОСТ 1050-88", "Material:V00000000000000000000000000000001"},
        {"Сталь У8А ГОСТ 1435-99", "Material:V00000000000000000000000000000002"},
        {"Сталь 20Х ГОСТ 4543-71", "Material:V00000000000000000000000000000003"},
        {"Сталь 30 ГОСТ 1050-88", "Material:V00000000000000000000000000000004"},
        {"Cталь 20 ГОСТ 1050-88", "Material:V00000000000000000000000000000005"},
        {"Cтaль 3  ГОСТ 380-94", "Material:V00000000000000000000000000000006"},
        {"Сталь Х12М ГОСТ 5950-2000", "Material:V00000000000000000000000000000007"},
        {"Сталь 65Г ГОСТ 14959-79", "Material:V00000000000000000000000000000008"},
        {"Сталь 35 ГОСТ 1050-88", "Material:V00000000000000000000000000000009"},
        {"Резина", ""},
        {"Проволока 65Г-1,0 ГОСТ 9389-90", ""},
        {"Сталь 40Х13 ГОСТ 4543-71", ""},
    };
    for (const auto& row : rows)
        table.Add(TMaterial(row.Name, row.Location, SteelDensity));
}

} // namespace

TMaterial::TMaterial(const char* iName, const char* iLocation, Real iDensity)
    : Name(iName), Location(iLocation), Density(iDensity)
{
    Name.SetLength(NameLength);
    Location.SetLength(LocationLength);
}

[[gnu::init_priority(loadorder::Materials)]] TArrayOf<TMaterial> AMaterial(TableRoom, TableRoom);

namespace {
// Fills the table right after its construction (same place in the load order, same unit).
struct TFillMaterials {
    TFillMaterials() { FillTable(AMaterial); }
};
[[gnu::init_priority(loadorder::Materials)]] const TFillMaterials MaterialsFilled;
} // namespace

const TMaterial* MaterialRow(Integer i)
{
    return i >= 0 && i < AMaterial.Count ? &AMaterial[i] : nullptr;
}
