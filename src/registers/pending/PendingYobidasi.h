#pragma once

class QWidget;

// Stand-in for the farmer picker until it is merged in: empties the current farmer as the picker
// does when it opens and shows a dialog named "YobidasiForm" modally, which the picker replaces.
namespace Pending {
void runYobidasiForm(QWidget* parent);
}
