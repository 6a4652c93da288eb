#include "MsgBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

namespace {

QString& appTitle()
{
    static QString title = QStringLiteral("Nolvari");
    return title;
}

MsgBox::Responder& responderRef()
{
    static MsgBox::Responder responder;
    return responder;
}

QList<MsgBox::Call>& logRef()
{
    static QList<MsgBox::Call> calls;
    return calls;
}

QMessageBox::Icon qtIcon(MsgBox::Icon icon)
{
    switch (icon) {
    case MsgBox::Information: return QMessageBox::Information;
    case MsgBox::Exclamation: return QMessageBox::Warning;
    case MsgBox::Critical: return QMessageBox::Critical;
    case MsgBox::Question: return QMessageBox::Question;
    case MsgBox::NoIcon: break;
    }
    return QMessageBox::NoIcon;
}

MsgBox::Answer showDialog(const MsgBox::Call& call)
{
    QMessageBox box(qtIcon(call.icon), call.title, call.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QAbstractButton* ok = nullptr;
    QAbstractButton* cancel = nullptr;
    QAbstractButton* yes = nullptr;
    QAbstractButton* no = nullptr;
    switch (call.buttons) {
    case MsgBox::OkOnly:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        break;
    case MsgBox::OkCancel:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
        break;
    case MsgBox::YesNoCancel:
    case MsgBox::YesNo:
        yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        if (call.buttons == MsgBox::YesNoCancel)
            cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
        break;
    }
    box.setDefaultButton(qobject_cast<QPushButton*>(ok ? ok : yes));
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked && clicked == ok)
        return MsgBox::Ok;
    if (clicked && clicked == yes)
        return MsgBox::Yes;
    if (clicked && clicked == no)
        return MsgBox::No;
    return cancel || !ok ? MsgBox::Cancel : MsgBox::Ok;
}

} // namespace

MsgBox::Answer MsgBox::defaultAnswer(Buttons buttons)
{
    return buttons == YesNo || buttons == YesNoCancel ? Yes : Ok;
}

MsgBox::Answer MsgBox::show(const QString& text, const QString& title, Buttons buttons, Icon icon)
{
    Call call{text, title.isEmpty() ? appTitle() : title, buttons, icon};
    logRef().append(call);
    if (responderRef())
        return responderRef()(call);
    if (qEnvironmentVariableIsSet("NOLVARI_AUTO_ANSWER")) {
        QString line = call.title + QStringLiteral(": ") + call.text;
        line.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
        std::fprintf(stderr, "%s\n", line.toUtf8().constData());
        std::fflush(stderr);
        return defaultAnswer(buttons);
    }
    return showDialog(call);
}

bool MsgBox::ask(const QString& text, const QString& title, Buttons buttons, Icon icon)
{
    const Answer answer = show(text, title, buttons, icon);
    return answer == Ok || answer == Yes;
}

void MsgBox::setApplicationTitle(const QString& title)
{
    appTitle() = title;
}

QString MsgBox::applicationTitle()
{
    return appTitle();
}

void MsgBox::setResponder(Responder responder)
{
    responderRef() = std::move(responder);
}

const QList<MsgBox::Call>& MsgBox::log()
{
    return logRef();
}

void MsgBox::clearLog()
{
    logRef().clear();
}
