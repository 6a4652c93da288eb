#pragma once

#include <QList>
#include <QString>
#include <functional>

// Every message box of the system goes through here. A box without a title of its own shows the
// application title. Tests install a responder that answers instead of a person; with the
// environment variable NOLVARI_AUTO_ANSWER set, every box is answered with its default button
// without being shown and its title and text are written as one line to standard error.
class MsgBox
{
public:
    enum Buttons { OkOnly, OkCancel, YesNo, YesNoCancel };
    enum Icon { NoIcon, Information, Exclamation, Critical, Question };
    enum Answer { Ok, Cancel, Yes, No };

    struct Call
    {
        QString text;
        QString title;   // as shown: the application title when the caller gave none
        Buttons buttons = OkOnly;
        Icon icon = NoIcon;
    };
    using Responder = std::function<Answer(const Call&)>;

    static Answer show(const QString& text, const QString& title = QString(),
                       Buttons buttons = OkOnly, Icon icon = NoIcon);
    // OK / Cancel (or Yes / No) question: true when the user went on.
    static bool ask(const QString& text, const QString& title = QString(),
                    Buttons buttons = OkCancel, Icon icon = Question);

    static void setApplicationTitle(const QString& title);
    static QString applicationTitle();

    static void setResponder(Responder responder);
    static const QList<Call>& log();
    static void clearLog();
    static Answer defaultAnswer(Buttons buttons);
};
