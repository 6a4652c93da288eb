#pragma once

#include "common/SiteProfile.h"

#include <QList>
#include <QString>
#include <QStringList>

// The member list of the treatment-record window: the farmers of the register offered for the
// tally, each as "name:code". The register (NoukaFile: district, name, code, ...) is sorted by
// code with the grid's generic sort (9 before 10 before 100). Outside 鳥取県, and in 鳥取県 for a
// veterinarian whose name holds no site key, every farmer of a registered district is offered in
// code order. In 鳥取県 the site rows whose key the veterinarian's name holds decide:
//   SiteTottoriVetA  the districts of its KirokuTikuOrder ("a:b:c") in that order, leaving out
//                    the names of KirokuJyogai (exact comparison);
//   SiteTottoriVetB  the registered districts in code order, leaving out the names of
//                    KirokuJyogai2 (compared with the register's name without blanks);
// the first rows before the second when both apply.
class SinryoAtamaList
{
public:
    // Rows of code, district and name; lines with fewer than three fields are skipped.
    static QList<QStringList> openNameGrid(const QStringList& noukaLines);
    // True when the district is one of the registered names exactly.
    static bool TikuCheckProc(const QString& tiku, const QStringList& tikuNames);
    static bool JyogaiCheckProc(const QString& name, const QStringList& jyogai);
    static bool JyogaiCheckProc2(const QString& name, const QStringList& jyogai2);

    static QStringList items(const QList<QStringList>& grid, const QStringList& tikuNames);
    static QStringList TottoriAtamaListProc(const QList<QStringList>& grid, const QStringList& tikuNames,
                                            const QList<SiteProfile>& vetRows);

    // An item split into member name and code: the text before the first ":" and the text after
    // it up to the next; false for an item without ":".
    static bool splitItem(const QString& item, QString& name, QString& code);
};
