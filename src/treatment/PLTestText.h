#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The PL test text of the four udder quarters: "前左 " r0 "  前右 " r1 "  後左 " r2 "  後右 " r3.
class PLTestText
{
public:
    using Results = std::array<QString, 4>;

    static QString build(const Results& results);
    // The quarters of a text: all "-" for an empty text. A text in the written form gives each
    // quarter's result up to its first blank, also an empty one; any other text is split at every
    // two blanks and a quarter takes the word after its name, "?" where there is none.
    static Results parse(const QString& text);

private:
    static const QStringList& names();
};
