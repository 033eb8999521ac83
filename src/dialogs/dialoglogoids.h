#pragma once
// The model chooser's template and control ids.
constexpr int IDD_DIALOG_LOGO = 556;
constexpr int IDC_LOGO_CONFIRM = 1750;  // confirms the chosen model, as OK does
