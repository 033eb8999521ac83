#pragma once
// A delay edit: one channel's delay as a count of 48 kHz samples, shown in milliseconds or centimetres with
// three decimals. Up and Down (and the wheel while focused) step one sample, Enter commits the typed text.
// Three flags make the two kinds: the main window's edits follow the window's unit, tell the main window of
// every change (WM_DELAY_CHANGED) and hand Left and Right to it (WM_MOVE_FOCUS with the key); the delay
// calculator's always show centimetres, tell nobody and move no focus.
#include "controls/valueedit.h"

namespace controls {

class CEditDelay : public ValueEdit {
  public:
    struct Flags {
        bool cm = false;      // always centimetres (else the window's unit)
        bool notify = true;   // WM_DELAY_CHANGED to the main window after a change
        bool moves = true;    // Left and Right go to the main window; WM_MOVE_FOCUS is taken
    };
    explicit CEditDelay(ui::Application* app = nullptr) : CEditDelay(Flags{}, app) {}
    CEditDelay(Flags flags, ui::Application* app) : ValueEdit(app), flags_(flags) {}

    // Where the delay is held: the edit's own storage unless the owner gives it a place of its own (the main
    // window's delays, which the change push packs).
    void HoldValueAt(int* storage) { value_ = storage ? storage : &own_; }
    int GetValue() const { return *value_; }
    int* GetValuePtr() { return value_; }
    // Stores any value unchanged and shows it; no notice.
    void SetValue(int samples);
    // Shows the held value again in the current unit.
    void UpdateText();

  protected:
    void OnStepKey(unsigned vk) override;
    void OnWheelKey(unsigned vk, int delta) override;
    void PreKeyDown(unsigned vk) override;
    bool TakesMoveFocus() const override { return flags_.moves; }

  private:
    void Notify();

    Flags flags_;
    int own_ = 0;
    int* value_ = &own_;
};

// The delay calculator's distance edit.
class CEditDelayCale : public CEditDelay {
  public:
    explicit CEditDelayCale(ui::Application* app = nullptr)
        : CEditDelay(Flags{.cm = true, .notify = false, .moves = false}, app) {}
};

}  // namespace controls

using controls::CEditDelay;
using controls::CEditDelayCale;
