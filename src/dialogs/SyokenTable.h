#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// The eight groups of the uterus and genital-tract findings and the texts they are kept as: a
// finding is the group's tag directly followed by the chosen option's caption ("[太さ]2.0"). The
// heading on screen and the tag differ in several groups.
class SyokenTable
{
public:
    static constexpr int GroupCount = 8;
    using Findings = std::array<QString, 9>;  // SyokenText: element k the finding of group k
    using Choice = std::array<int, GroupCount>; // the chosen option of each group, -1 none

    struct Group
    {
        QString heading;
        QString tag;
        QStringList options;
        QList<int> lineStarts;  // the options that begin a line of their own
    };
    static const QList<Group>& groups();

    // The options the opener's findings choose: a text equal to a group's tag and one of its
    // option captions chooses that option; texts that match nothing are passed over; of two texts
    // for one group the later wins.
    static Choice preselect(const Findings& in);
    // The findings handed back: each in the element of its group, empty where none is chosen;
    // element 8 empty.
    static Findings result(const Choice& chosen);
};
