#include "MainWorkFrame.h"

#include "CodeExport.h"

#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

MainWorkFrame::MainWorkFrame(QWidget* parent) : QFrame(parent)
{
    Command1 = new QPushButton(QStringLiteral("作業"), this);
    TwipGeometry::place(Command1, 60, 60, 900, 330);
    Command2[0] = new QPushButton(QStringLiteral("検索"), this);
    TwipGeometry::place(Command2[0], 60, 450, 900, 330);
    Command2[1] = new QPushButton(QStringLiteral("薬価検索"), this);
    TwipGeometry::place(Command2[1], 1000, 450, 1100, 330);
    for (int i = 0; i < 2; ++i) {
        Text2[i] = new QLineEdit(this);
        TwipGeometry::place(Text2[i], 60 + 1100 * i, 840, 1000, 300);
    }
    List1 = new QListWidget(this);
    TwipGeometry::place(List1, 60, 1200, 2100, 900);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2[0], &QPushButton::clicked, this, [this] { Command2_Click(0); });
    connect(Command2[1], &QPushButton::clicked, this, [this] { Command2_Click(1); });
}

void MainWorkFrame::Command1_Click()
{
    const QStringList lines = CodeExport::sagyouLines(SharedState::get().Tables.YakkaCodeTable);
    const QStringList errors = CodeExport::writeFiles(CodeExport::sagyouTargets(), lines);
    if (!errors.isEmpty()) {
        MsgBox::show(errors.join(QLatin1Char('\n')), QStringLiteral("エラー"), MsgBox::OkOnly, MsgBox::Critical);
        return;
    }
    MsgBox::show(QStringLiteral("ok"));
}

void MainWorkFrame::Command2_Click(int index)
{
    const QString text = Text2[0]->text();
    if (text.isEmpty())
        return;
    Text2[1]->clear();
    List1->clear();
    const QStringList& table = SharedState::get().Tables.YakkaCodeTable;
    List1->addItems(index == 0 ? CodeExport::searchText(table, text) : CodeExport::searchPrice(table, text));
    MsgBox::show(QStringLiteral("終了"));
}
