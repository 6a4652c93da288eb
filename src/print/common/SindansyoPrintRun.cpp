#include "SindansyoPrintRun.h"

#include "common/MsgBox.h"
#include "common/PrintDevice.h"
#include "common/PrintDeviceSource.h"
#include "common/SindansyoEpisode.h"

#include <QStringList>

namespace {

bool isHiduke(const QString& hiduke)
{
    const QStringList parts = hiduke.split(QLatin1Char('.'));
    return parts.size() == 3 && !parts.contains(QString());
}

} // namespace

QString SindansyoPrintRun::check(const QString& hiduke, const QString& nendo)
{
    if (hiduke.isEmpty() || hiduke == QLatin1String("?") || !isHiduke(hiduke))
        return QStringLiteral("カルテの日付を入力してください。");
    if (nendo.isEmpty() || nendo == QLatin1String("?"))
        return QStringLiteral("カルテの年度を入力してください。");
    return QString();
}

QString SindansyoPrintRun::refusal(const SindansyoEpisode& episode)
{
    switch (episode.status) {
    case SindansyoEpisode::Status::Found: return QString();
    case SindansyoEpisode::Status::NotFound: return QStringLiteral("印刷できません。");
    case SindansyoEpisode::Status::Unreadable: break;
    }
    return QStringLiteral("印刷できません。\n") + episode.errorText;
}

int SindansyoPrintRun::printJobs(PrintDevice& device, const SindansyoPrintContext& context, const QStringList& jobs,
                                 const Body& body)
{
    int pages = 0;
    for (const QString& job : jobs) {
        const Result result = body(device, context, PrintJobEntry::split(job));
        if (!result.refusal.isEmpty())
            MsgBox::show(result.refusal, QStringLiteral("確認"));
        pages += result.pages;
    }
    return pages;
}

int SindansyoPrintRun::run(const SindansyoPrintContext& context, const QStringList& jobs, const Body& body,
                           const Status& status, bool* ended)
{
    const std::shared_ptr<PrintDevice> device = PrintDeviceSource::open(QStringLiteral("診断書"));
    device->setCurrentX(0);
    device->setCurrentY(0);
    status(printingText());
    const int pages = printJobs(*device, context, jobs, body);
    QString error;
    const bool done = pages > 0 && device->endDoc(&error);
    if (ended)
        *ended = done;
    status(QString());
    if (pages == 0)
        MsgBox::show(nothingPrintedText(), QStringLiteral("印刷"));
    else if (!done)
        MsgBox::show(error, QStringLiteral("印刷"));
    else if (const QString where = device->destinationMessage(); !where.isEmpty())
        MsgBox::show(QStringLiteral("印刷終了\n") + where, QStringLiteral("印刷"));
    else
        MsgBox::show(QStringLiteral("印刷終了"), QStringLiteral("印刷"));
    return pages;
}
