#pragma once

class QWidget;

// Opens the certificate print dialog of the installation's prefecture on the jobs of
// SharedState::PrintJobList (the chart editor's print command). 栃木県 and 沖縄県 have no
// certificate printer and are told so; other prefectures without one open nothing.
class PrintDialogOpener
{
public:
    static void open(QWidget* parent);
};
