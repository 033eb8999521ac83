#pragma once
// The scene slot dialogs: one implementation for saving into a slot under a name (CSaveModeToDsp, template
// 152) and for recalling a slot (CImportModeDsp, 154). Both list "Default" and "1".."6" and show the name the
// device holds for the chosen slot; they talk to nobody. The opener passes the slot in use and the slot names
// (20 GBK bytes each, not always terminated) and reads the slot, and the typed name, after IDOK.
#include <array>
#include <string>

#include "device/names.h"
#include "dialogs/sideframe.h"
#include "platform/ui/combobox.h"
#include "platform/ui/edit.h"

class CModeSlotDialog : public dialogs::CSideDialog {
  public:
    enum class Kind { kSave, kImport };
    static constexpr int kMaxNameChars = 10;

    CModeSlotDialog(Kind kind, int slot, const char names[][kNameLen + 1], ui::Window* parent = nullptr,
                    ui::Application* app = nullptr);

    // The slot as it stood when the dialog closed: the picked list entry, or the slot it was opened with.
    int GetSlot() const { return slot_; }
    // The typed name (saving only).
    void GetName(std::string& out) const { out = name_; }
    const std::string& SlotName(int slot) const { return slotNames_[slot]; }

    ui::ComboBox& SlotList() { return list_; }
    ui::Edit& NameEdit() { return edit_; }

  protected:
    bool OnInitDialog() override;
    const gfx::Brush* OnCtlColor(gfx::Canvas& canvas, ui::Window* control, int kind) override;
    void Accept() override;

  private:
    void ShowSlotName();
    // The maximum-length check of the name (saving only); shows the platform's message when it fails.
    bool NameFits();

    Kind kind_;
    int slot_;
    std::string name_;
    std::array<std::string, kModeSlots> slotNames_;
    ui::ComboBox list_;
    ui::Edit edit_;
    gfx::Brush whiteBrush_ = gfx::Brush::Solid(gfx::Rgb(255, 255, 255));
};

class CSaveModeToDsp : public CModeSlotDialog {
  public:
    CSaveModeToDsp(int slot, const char names[][kNameLen + 1], ui::Window* parent = nullptr,
                   ui::Application* app = nullptr)
        : CModeSlotDialog(Kind::kSave, slot, names, parent, app) {}
};

class CImportModeDsp : public CModeSlotDialog {
  public:
    CImportModeDsp(int slot, const char names[][kNameLen + 1], ui::Window* parent = nullptr,
                   ui::Application* app = nullptr)
        : CModeSlotDialog(Kind::kImport, slot, names, parent, app) {}
};
