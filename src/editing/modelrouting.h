#pragma once
// The default input routing of each device model: which inputs feed CH1..CH12 before a device has been read.
// The reset of all settings and the start-up model chooser keep tables of their own, which differ for models
// 4 and 6.

namespace editing {

// The twelve default masks of a model (routing-bit order), as the reset of all settings or the model chooser
// gives them, with AUX-3/AUX-4 hidden or not. Returns false (and leaves masks alone) for a model
// outside 1..9.
bool DefaultRouting(int model, bool hideAux34, bool fromChooser, int (&masks)[12]);

// Writes the reset table's masks for g_DeviceModel and g_HideAux34 into g_RoutingMask; nothing for a model
// outside 1..9. The caller redraws the matrix.
void ResetModelRouting();

// The same from the model chooser's table.
void ApplyModelRouting();

}  // namespace editing
