#include "BackUpRun.h"

#include "BackUpStamp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace {
struct Texts
{
    const char16_t* done;
    const char16_t* failed;
};

Texts textsOf(BackUpPlan::Kind kind)
{
    switch (kind) {
    case BackUpPlan::Karte:
        return {u"カルテのバックアップが正常に終了しました。", u"カルテのバックアップが正常に終了しませんでした。"};
    case BackUpPlan::Tiryobo:
        return {u"治療簿のバックアップが正常に終了しました。", u"治療簿のバックアップが正常に終了しませんでした。"};
    case BackUpPlan::Kenan:
        return {u"検案書のバックアップが正常に終了しました。", u"検案書のバックアップが正常に終了しませんでした。"};
    case BackUpPlan::Export: return {u"正常に終了しました。", u"正常に終了しませんでした。"};
    case BackUpPlan::Import: return {u"終了しました。", u"正常に終了しませんでした。"};
    }
    return {u"", u""};
}
} // namespace

BackUpRun::BackUpRun(const RemovableDrives::Drive& drive, bool withFixed) : drive(drive), withFixed(withFixed)
{
}

QString BackUpRun::message(BackUpPlan::Kind kind, Outcome outcome)
{
    if (outcome == Outcome::DeviceUnavailable)
        return kind == BackUpPlan::Import ? QStringLiteral("メディアが挿入されていない。または、ディスクが違います。")
                                          : QStringLiteral("ディスクが挿入されていません。");
    const Texts texts = textsOf(kind);
    return QString::fromUtf16(outcome == Outcome::Done ? texts.done : texts.failed);
}

QString BackUpRun::title(BackUpPlan::Kind kind, Outcome outcome)
{
    if (outcome != Outcome::Done)
        return QStringLiteral("エラー");
    return kind == BackUpPlan::Import ? QStringLiteral("確認") : QStringLiteral("バックアップ");
}

QString BackUpRun::report(BackUpPlan::Kind kind, const Result& result)
{
    const QString text = message(kind, result.outcome);
    if (result.outcome != Outcome::Failed || result.failure.path.isEmpty())
        return text;
    return text + QLatin1Char('\n') + QDir::toNativeSeparators(result.failure.path);
}

bool BackUpRun::driveReady() const
{
    return RemovableDrives::isAvailable(drive, withFixed);
}

BackUpRun::Result BackUpRun::failed(Outcome outcome, const VerifiedCopy::Result& failure)
{
    Result result;
    result.outcome = outcome;
    result.failure = failure;
    return result;
}

int BackUpRun::makeFolder(const QString& localFolder)
{
    if (QFileInfo(localFolder).isDir())
        return 0;
    if (::mkdir(QFile::encodeName(localFolder).constData(), 0755) == 0 || errno == EEXIST)
        return 0;
    return errno;
}

BackUpRun::Result BackUpRun::backUp(const BackUpPlan& plan)
{
    if (!driveReady())
        return failed(Outcome::DeviceUnavailable);
    if (const int code = makeFolder(plan.folder); code != 0) {
        const VerifiedCopy::Result failure{VerifiedCopy::classify(code), code, plan.folder};
        return failed(failure.status == VerifiedCopy::Status::DeviceUnavailable ? Outcome::DeviceUnavailable
                                                                                 : Outcome::Failed,
                      failure);
    }
    if (plan.listed == 0)
        return failed(Outcome::Failed);
    Result result = copyAll(plan);
    if (result.outcome != Outcome::Done)
        return result;
    if (!driveReady())
        return failed(Outcome::DeviceUnavailable);
    const QString stamp = BackUpStamp::text(clock());
    const VerifiedCopy::Result written = BackUpStamp::write(plan.folder, stamp);
    if (!written.ok())
        return failed(written.status == VerifiedCopy::Status::DeviceUnavailable ? Outcome::DeviceUnavailable
                                                                                 : Outcome::Failed,
                      written);
    if (BackUpStamp::read(plan.folder) != stamp)
        return failed(Outcome::Failed, {VerifiedCopy::Status::Failed, 0, plan.folder + QStringLiteral("/index.ini")});
    return result;
}

BackUpRun::Result BackUpRun::bringIn(const BackUpPlan& plan)
{
    if (!driveReady())
        return failed(Outcome::DeviceUnavailable);
    for (const BackUpPlan::Entry& entry : plan.entries)
        if (!QDir().mkpath(QFileInfo(entry.target).absolutePath()))
            return failed(Outcome::Failed, {VerifiedCopy::Status::Failed, 0, QFileInfo(entry.target).absolutePath()});
    return copyAll(plan);
}

BackUpRun::Result BackUpRun::copyAll(const BackUpPlan& plan)
{
    Result result;
    const int total = plan.listed;
    int done = 0;
    for (const BackUpPlan::Entry& entry : plan.entries) {
        if (!driveReady())
            return failed(Outcome::DeviceUnavailable);
        const VerifiedCopy::Result copy = VerifiedCopy::copy(entry.source, entry.target, entry.mode);
        if (copy.status == VerifiedCopy::Status::DeviceUnavailable)
            return failed(Outcome::DeviceUnavailable, copy);
        if (!copy.ok())
            return failed(Outcome::Failed, copy);
        if (copy.status == VerifiedCopy::Status::Copied)
            ++result.copied;
        if (progress)
            progress(++done, total);
    }
    if (progress)
        progress(total, total);
    return result;
}
