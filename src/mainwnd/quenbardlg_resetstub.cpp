// Stands in for the reset of every value and control until that part of the window lands: the start-up
// calls it at its place.
#include "mainwnd/quenbardlg.h"

void CQuenbarDlg::ResetAllControls() {}
