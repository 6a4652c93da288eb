#pragma once

#include "common/SiteProfile.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the master register window shows in an installation: the species options, the captions
// and headings that differ by prefecture, and the controls that show only in some prefectures or
// sites.
class MasterVariant
{
public:
    static constexpr int TikusyuCount = 16;

    Ken ken = Ken::Sonota;
    QStringList TikusyuCaptions;     // 16 captions, "-" for the unused ones
    QList<bool> TikusyuVisible;      // 16
    bool KotaiBangouShown = false;   // the individual-number box and the heading "名号:個体番号"
    bool Kagoshima = false;          // the ear-tag box holds the individual number
    bool SekininShown = false;       // the start-of-cover label and date
    bool SekininColumn = false;      // the start-of-cover column of the animal grid
    bool ManryoMenu = false;         // "掛金期間満了日登録"
    bool KyuYakuMenu = false;        // "休薬登録"
    bool Miyazaki = false;           // "[区分]", the Miyazaki drug table
    bool DoctorLocked = false;       // veterinarian boxes shown but not editable
    bool Ibaraki = false;            // designated choice, "死亡他", name sort, CSV registration
    bool DeadDisplay = false;        // "死亡表示"
    bool AddressHint = false;        // the address hint of the farmer page
    bool Oita = false;               // the animal grid sorts by name part
    int KotaiRows = 5000;            // animal rows of the grid

    static MasterVariant of(Ken ken, int manryoFlag, const SiteProfile& site);

    QString mimiCaption() const;     // "[耳標番号]" / "[個体番号]"
    QString mimiHeading() const;     // "耳標番号" / "個体番号"
    QString renameCaption() const;   // "耳標番号変更" / "個体番号変更"
    QString meigouHeading() const;   // "名号" / "名号:個体番号"
    QString kumiaiCaption() const;   // "[組合番号]" / "[区分]"
    QString kumiaiHeading() const;   // "組合" / "区分"

private:
    static QStringList tikusyuFor(Ken ken);
};
