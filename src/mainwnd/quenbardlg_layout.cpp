// The layout pass, run after the start-up's model chooser, after every disconnection and when a device
// identifies itself after a model chosen by hand.
#include "mainwnd/quenbardlg.h"

void CQuenbarDlg::ApplyModelLayout() {
    ++m_LayoutsApplied;
    PlaceDelayCaption();
    PlaceMasterScaleLabels();
    PlaceStripCaptions();
    Invalidate();
}
