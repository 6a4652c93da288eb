#include "KotaiFixture.h"

#include "TestFixture.h"
#include "chart/KarteBlock.h"
#include "common/Cp932.h"

namespace KotaiFixture {

QString noukaLine()
{
    return QStringLiteral("Main'東谷'山本 一郎'00010001'鳥取県中央市東谷1-2''''''''''");
}

QString kotaiLine(const QString& key, const QString& mimi, const QString& syurui, const QString& tokutyo)
{
    return "Main'" + syurui + "'''H30.1.2'雌'ハナ''包''" + mimi + "''" + tokutyo + "'" + key + "'";
}

QByteArray chartBytes(const QString& key, const QString& mimi, int episodes, const QString& syurui,
                      const QString& tokutyo)
{
    QByteArray bytes = Cp932::encode(noukaLine() + "\r\n" + kotaiLine(key, mimi, syurui, tokutyo) + "\r\n").value();
    for (int e = 0; e < episodes; ++e) {
        KarteBlock block;
        block.setCell(0, 2, QStringLiteral("乳房炎%1").arg(e));
        block.setCell(0, 5, QStringLiteral("7.5.%1").arg(e + 1));
        block.setCell(5, 3, QStringLiteral("X"));
        QByteArray text = Cp932::encode(block.lines().join("\r\n") + "\r\n").value();
        text.replace("'X'", "'\xed\x40'");
        bytes += text;
    }
    return bytes;
}

QByteArray writeChart(const QString& localPath, const QString& key, const QString& mimi, int episodes,
                      const QString& syurui, const QString& tokutyo)
{
    const QByteArray bytes = chartBytes(key, mimi, episodes, syurui, tokutyo);
    TestFixture::writeBytes(localPath, bytes);
    return bytes;
}

}
