#include "SyokenTable.h"

const QList<SyokenTable::Group>& SyokenTable::groups()
{
    static const QList<Group> table{
        {QStringLiteral("[太  さ]"), QStringLiteral("[太さ]"),
         {QStringLiteral("<1.0"), QStringLiteral("1.0"), QStringLiteral("1.5"), QStringLiteral("2.0"),
          QStringLiteral("2.5"), QStringLiteral("3.0"), QStringLiteral("3.0<")}, {0}},
        {QStringLiteral("[形　状]"), QStringLiteral("[形状]"),
         {QStringLiteral("円"), QStringLiteral("半円"), QStringLiteral("楕円"), QStringLiteral("扁平")}, {0}},
        {QStringLiteral("[収縮性]"), QStringLiteral("[収性]"),
         {QStringLiteral("+++"), QStringLiteral("++"), QStringLiteral("+"), QStringLiteral("±"), QStringLiteral("-")}, {0}},
        {QStringLiteral("[肥  厚]"), QStringLiteral("[肥厚]"), {QStringLiteral("++"), QStringLiteral("+"), QStringLiteral("-")}, {0}},
        {QStringLiteral("[内部感]"), QStringLiteral("[内感]"), {QStringLiteral("+"), QStringLiteral("-")}, {0}},
        {QStringLiteral("[子宮頸管]"), QStringLiteral("[頚管]"),
         {QStringLiteral("腫大開口"), QStringLiteral("開口"), QStringLiteral("縮小"), QStringLiteral("緊縮"),
          QStringLiteral("腫大始まる")}, {0}},
        {QStringLiteral("[  膣  ]"), QStringLiteral("[膣]"),
         {QStringLiteral("充血・滑沢"), QStringLiteral("粘液残・出血"), QStringLiteral("粘液減・湿沢"),
          QStringLiteral("粘膜乾燥"), QStringLiteral("潮紅始まる"), QStringLiteral("充血・湿沢"),
          QStringLiteral("充血・透明粘膜")}, {0, 3, 6}},
        {QStringLiteral("[外陰唇]"), QStringLiteral("[外陰唇]"),
         {QStringLiteral("腫大・深じわ"), QStringLiteral("弛緩"), QStringLiteral("縮小・小じわ"),
          QStringLiteral("深じわ出現"), QStringLiteral("腫張・深じわ")}, {0, 3}}};
    return table;
}

SyokenTable::Choice SyokenTable::preselect(const Findings& in)
{
    Choice chosen;
    chosen.fill(-1);
    for (int i = 0; i < GroupCount; ++i) {
        for (int k = 0; k < GroupCount; ++k) {
            const Group& g = groups().at(k);
            for (int j = 0; j < g.options.size(); ++j) {
                if (g.tag + g.options.at(j) == in[i]) {
                    chosen[k] = j;
                    break;
                }
            }
        }
    }
    return chosen;
}

SyokenTable::Findings SyokenTable::result(const Choice& chosen)
{
    Findings out;
    for (int k = 0; k < GroupCount; ++k)
        if (chosen[k] >= 0)
            out[k] = groups().at(k).tag + groups().at(k).options.at(chosen[k]);
    return out;
}
