#include "SinryoGunmaPrint.h"

#include "common/PrintDevice.h"
#include "print/common/DrawnForm.h"

namespace {
constexpr qsizetype RecordsLooked = 21;
constexpr qsizetype LinesCounted = 5;
constexpr int LinesPerForm = 24;

// The ruling in layout coordinates; it is drawn 3.5 mm left and 2 mm up of them.
const DrawnForm& gunmaForm()
{
    static const DrawnForm form = [] {
        DrawnForm f;
        f.lines = DrawnForm::box(11, 23, 204, 126, 3);
        f.lines += DrawnForm::box(156, 5, 204, 22, 3);
        for (const float y : {27.0f, 42.0f, 56.0f, 70.0f, 100.0f, 112.0f})
            f.lines.append({11, y, 204, y, 3});
        f.lines.append({171, 27, 204, 27, 3});
        f.lines.append({161, 13.5f, 204, 13.5f, 3});
        f.lines.append({25, 23, 25, 126, 3});
        f.lines.append({171, 27, 171, 42, 3});
        for (const float x : {161.0f, 171.0f, 181.0f})
            f.lines.append({x, 5, x, 22, 3});
        const QList<std::pair<float, QList<float>>> boxes{
            {28.5f, {27, 46, 71, 96, 120, 150, 188}},
            {32.5f, {27, 46, 71, 96}},
            {36.5f, {27, 46, 71, 96, 150, 188}},
            {43.5f, {27, 82, 141}},
            {57, {27, 73, 122, 97, 147, 172}},
            {61, {27, 73, 122, 97, 147}},
            {65, {27, 73, 122}},
            {71, {27, 96, 136, 175}},
            {85, {175}},
        };
        for (const auto& [y, xs] : boxes)
            for (const float x : xs)
                f.lines += DrawnForm::box(x, y, x + 6, y + 4, 3);
        return f;
    }();
    return form;
}
} // namespace

void SinryoGunmaPrint::SinryoGunmaPrintProc(PrintDevice& device, const SinryoPrintData& data)
{
    device.setPaper(PrintDevice::Paper::A5, PrintDevice::Orientation::Landscape);
    const FormOffset at{-3.5f, -2, data.offX, data.offY};
    bool first = true;
    for (const SinryoSyukei::Member& member : data.members) {
        if (!first && !data.records.isEmpty())
            device.newPage();
        first = false;
        int counted = 0;
        bool formed = false;
        for (qsizetype i = 0; i < std::min(RecordsLooked, data.records.size()); ++i) {
            const SinryoKirokuRecord& r = data.records.at(i);
            if (!r.belongsTo(member.name, member.code))
                continue;
            if (!formed)
                gunmaForm().draw(device, at);
            formed = true;
            for (qsizetype l = 0; l < std::min(LinesCounted, r.TiryoLines.size()); ++l) {
                if (++counted == LinesPerForm) {
                    device.newPage();
                    counted = 0;
                    gunmaForm().draw(device, at);
                }
            }
        }
    }
}
