#include "common/DataPath.h"
#include "common/FontSetup.h"
#include "common/MsgBox.h"
#include "common/SingleInstance.h"
#include "shell/MainForm.h"

#include <QApplication>
#include <QCommandLineParser>

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

    SingleInstance instance(SingleInstance::defaultLockPath());
    if (!instance.tryLock()) {
        MsgBox::show(QStringLiteral("重複起動はできません。"), QString(), MsgBox::OkOnly, MsgBox::Exclamation);
        return 1;
    }
    MainForm form;
    if (!form.loadOk())
        return 1;
    form.show();
    return app.exec();
}
