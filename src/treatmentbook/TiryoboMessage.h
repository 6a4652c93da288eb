#pragma once

#include <QString>
#include <optional>

// What a treatment-book command tells the user: a message box's text and title (an empty title
// shows the application's title).
struct TiryoboMessage
{
    QString text;
    QString title = QStringLiteral("確認");
};

// A refusal or a notice of a command; nothing when the command went through silently.
using TiryoboNotice = std::optional<TiryoboMessage>;
