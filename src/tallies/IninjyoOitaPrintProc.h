#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <array>

class PrintDevice;

// What the Oita power of attorney prints: the list's episode rows in the order on the screen,
// the members chosen (name and member code), the date typed, whether address and name are
// printed, the members' addresses by member code, and the site's chairman and clinic.
struct IninjyoOitaData
{
    QList<QStringList> rows;                   // the list's data rows, 18 cells each
    QList<QPair<QString, QString>> members;    // chosen members: name, member code
    std::array<QString, 3> date;               // year, month, day as typed
    bool printName = false;
    QHash<QString, QString> addresses;         // member code -> address
    QString chairman;
    QString clinic;
};

// The Oita power of attorney "家 畜 共 済 病 傷 事 故 共 済 金 代 理 受 領 委 任 状" on plain A4
// portrait paper, drawn whole: title, date (令和), addressee, the member's address and name, the
// mandate, the fee total and a table of up to ten episodes a sheet; a member with more episodes
// gets further sheets, each with the total of its own rows. Members are told apart by name and
// member code and printed in the order of their first row in the list.
class IninjyoOitaPrintProc
{
public:
    static constexpr int RowsPerSheet = 10;
    static QString title() { return QStringLiteral("家 畜 共 済 病 傷 事 故 共 済 金 代 理 受 領 委 任 状"); }

    // The members of the rows, each once, in the order of their first row.
    static QList<QPair<QString, QString>> members(const QList<QStringList>& rows);
    // The individual number of an animal-name cell: the text after its first ":" (up to a
    // second one); empty without ":".
    static QString kotaiBangou(const QString& meigou);
    // The members' addresses of the farmer register's lines (field 2 code, field 3 address).
    static QHash<QString, QString> addresses(const QStringList& noukaLines);

    static void print(PrintDevice& device, const IninjyoOitaData& data);
};
