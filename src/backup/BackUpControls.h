#pragma once

#include "BackUpRun.h"
#include "ExchangeSide.h"

#include "common/RemovableDrives.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <array>
#include <functional>
#include <optional>

class LabelButtonArray;
class QDialog;
class QFrame;
class QLabel;
class QListWidget;
class QWidget;

// What the backup, export and import windows share: the progress panel (its text, the track and
// the green bar) and the instruction panel laid on it, the list of drives, and the command labels
// that a run disables. Positions are twips.
class BackUpControls : public QObject
{
    Q_OBJECT

public:
    // The progress panel at its place, with the track inside it; the instruction panel takes the
    // same place and is the one seen.
    BackUpControls(QDialog* form, const QColor& back, int left, int top, int width, int height, int trackLeft,
                   int trackWidth);

    std::array<QFrame*, 2> WakuFrame{};
    QLabel* SyoriLabel = nullptr;        // the progress text
    std::array<QFrame*, 2> SyoriSp{};    // 0 the track, 1 the bar
    QListWidget* DrvList = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    // A label of the window, named Label1<index>, in the screen font; width > 0 wraps it in its box.
    static QLabel* label(int index, const QString& text, QWidget* parent, int left, int top, int width = 0,
                         int height = 0);
    // A command label, its caption centred in its box.
    void command(int index, const QString& caption, double points, bool bold, int left, int top, int width,
                 int height);
    void placeDrvList(int left, int top, int width, int height);

    // At opening: the instruction panel seen, the drives listed.
    void load(bool withFixed);
    // Command 0 closes the window, command 1 starts; neither while a run goes on.
    void dispatch(int index, const std::function<void()>& start);

    // Lists the drives, each by its label and mount point.
    void fillDrives(bool withFixed);
    bool hasDrives() const { return !drives.isEmpty(); }
    std::optional<RemovableDrives::Drive> chosenDrive() const;
    // The chosen drive; without any drive, or without a choice, the message says so.
    std::optional<RemovableDrives::Drive> askDrive(const QString& noDriveText, const QString& noChoiceText) const;
    // The side of the installation; an installation without a partner is told so.
    static std::optional<ExchangeSide::Side> askSide();

    // A backup or export run on the drive: the progress panel while it goes on, the labels
    // disabled, the closing message, and the instruction panel again after a good run.
    BackUpRun::Result backUp(const BackUpPlan& plan, const RemovableDrives::Drive& drive, bool withFixed);

    // The progress panel in place of the instruction panel, or back.
    void showProgress(bool on);
    // The bar after done of total files; the window repaints.
    void setBar(int done, int total);
    // While a run goes on, the command labels take no click.
    void setRunning(bool on);
    // Tells the user how the run ended.
    static void report(BackUpPlan::Kind kind, const BackUpRun::Result& result);
    bool running() const { return runningNow; }

private:
    QDialog* form;
    QList<RemovableDrives::Drive> drives;
    int trackLeft;
    int trackWidth;
    bool runningNow = false;
};
