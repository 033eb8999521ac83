#pragma once
// The main window's control ids, each number once: its template, its layout tables and its handlers use
// these names.
constexpr int IDC_SPECTRUM = 1233;        // the EQ graph, m_Spectrum
constexpr int IDC_STATIC_VERSION = 1275;  // the device's version text
constexpr int IDC_STATIC_UPGRADE = 1277;  // "Updating" / "Updated" (hidden in both templates)
constexpr int IDC_STATIC_USB = 1463;      // "Connected" / "Disconnect" (hidden in both templates)
