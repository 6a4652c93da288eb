#include "SyukeiFixture.h"

#include "WindowMouse.h"

#include "chart/KarteBlock.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/StartupConfig.h"
#include "tallies/SyukeiForm.h"

#include <QDate>
#include <QDir>
#include <QtTest>

QString SyukeiChart::fileName() const
{
    return QStringLiteral("H7_%1_%2_0.sxd").arg(code, mimiban);
}

QStringList SyukeiChart::lines() const
{
    const QString base = karteName.isEmpty() ? fileName().chopped(4) : karteName;
    const QString sep = curly ? QStringLiteral("’") : QStringLiteral("'");
    QStringList out;
    out << QStringLiteral("Main'") + tiku + sep + farmer + QStringLiteral("'") + code + QStringLiteral("'住所''''''''''");
    out << QStringLiteral("Main'") + syurui + QStringLiteral("'''R2.1.20") + sep + QStringLiteral("雌'") + meigou
               + QStringLiteral("''包''") + mimiban + QStringLiteral("'黒白'-'") + base + QStringLiteral("'");
    for (const SyukeiEpisode& e : episodes) {
        KarteBlock block;
        const QList<QPair<int, QString>> cells = {{2, e.byo},       {3, e.byoCode}, {5, e.syosin},
                                                  {6, e.syusin},    {7, e.tenkiDate}, {8, e.tenki},
                                                  {9, e.kaisu},     {13, e.teisyutu}};
        for (const auto& [c, text] : cells)
            block.setCell(0, c, text);
        block.setCell(2, 9, e.syuSex);
        block.setCell(3, 2, e.yakka);
        block.setCell(3, 8, e.fee);
        out += block.lines();
    }
    return out;
}

SyukeiInstallation::SyukeiInstallation(const QString& info, bool keepCharts, const QStringList& siteRows)
{
    root.useSample();
    if (!keepCharts) {
        QDir(root.file("H7")).removeRecursively();
        QDir().mkpath(root.file("H7"));
    }
    root.write("set/info.ini", {info});
    if (info.startsWith(QStringLiteral("茨城県")))
        root.write("set/DellInfo.ini", {});
    if (!siteRows.isEmpty())
        root.write("set/SiteProfile.ini", siteRows);
    QString error;
    if (!StartupConfig::load(SharedState::get(), QDate(2025, 6, 20), &error))
        qFatal("test installation does not load: %s", qPrintable(error));
}

QString SyukeiInstallation::folder() const
{
    return root.file("H7");
}

QString SyukeiInstallation::add(const SyukeiChart& chart, const QString& fileName) const
{
    const QString name = fileName.isEmpty() ? chart.fileName() : fileName;
    TestFixture::writeCp932(folder() + QLatin1Char('/') + name, chart.lines());
    SharedState::get().refreshKarteFileList();
    return name;
}

void answerMessages()
{
    MsgBox::setResponder([](const MsgBox::Call& call) { return MsgBox::defaultAnswer(call.buttons); });
    MsgBox::clearLog();
}

void pickMonth(SyukeiForm& form, int index)
{
    QVERIFY(WindowMouse::click(form.ComandGd->at(0)));
    QVERIFY(WindowMouse::click(form.SentakuGd->at(index)));
}

QList<int> changedLines(const QByteArray& before, const QByteArray& after)
{
    const QList<QByteArray> a = before.split('\n');
    const QList<QByteArray> b = after.split('\n');
    QList<int> out;
    for (int i = 0; i < std::max(a.size(), b.size()); ++i)
        if (a.value(i) != b.value(i))
            out.append(i);
    return out;
}
