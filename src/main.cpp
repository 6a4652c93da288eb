#include "common/DataPath.h"
#include "common/FileErrorText.h"
#include "common/FontSetup.h"
#include "common/MsgBox.h"
#include "common/SingleInstance.h"
#include "shell/MainForm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nolvari"));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption rootOption(QStringLiteral("data-root"),
        QStringLiteral("The data folder (default ~/Nolvari)."), QStringLiteral("DIR"));
    parser.addOption(rootOption);
    parser.process(app);
    if (parser.isSet(rootOption))
        DataPath::setRoot(parser.value(rootOption));
    FontSetup::install();
    MsgBox::setApplicationTitle(MainForm::productTitle());

    // A mistyped data folder is reported, never created: an empty folder would only fail later.
    const QString root = DataPath::root();
    if (!QFileInfo(root).isDir()) {
        MsgBox::show(QStringLiteral("データフォルダがありません: %1").arg(root), QStringLiteral("エラー"),
                     MsgBox::OkOnly, MsgBox::Critical);
        return 1;
    }
    SingleInstance instance(SingleInstance::defaultLockPath());
    switch (instance.lock()) {
    case SingleInstance::Result::Locked:
        break;
    case SingleInstance::Result::Running:
        MsgBox::show(QStringLiteral("重複起動はできません。"), QString(), MsgBox::OkOnly, MsgBox::Exclamation);
        return 1;
    case SingleInstance::Result::NotWritable:
        MsgBox::show(FileErrorText::compose(QStringLiteral("データフォルダに書き込めません"), root,
                                            FileErrorText::folderReason(root)),
                     QStringLiteral("エラー"), MsgBox::OkOnly, MsgBox::Critical);
        return 1;
    }
    MainForm form;
    if (!form.loadOk())
        return 1;
    form.show();
    return app.exec();
}
