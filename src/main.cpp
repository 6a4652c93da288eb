#include "common/DataPath.h"

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
    return 0;
}
