#pragma once
// The main dialog. This part holds what the device link needs of it: the link's threads (started with the
// window, stopped and joined before its members go), the link timers, and the handlers of the link's
// messages. The dispatch threads reach it through DispatchTarget and LinkListener; every call that must
// finish on the UI thread is a send, every notice a post.
#include <cstdint>

#include "device/deviceimage.h"
#include "device/devicelink.h"
#include "device/dispatcher.h"
#include "device/linklistener.h"
#include "platform/ui/dialog.h"

class CQuenbarDlg : public ui::Dialog, public device::DispatchTarget, public device::LinkListener {
  public:
    explicit CQuenbarDlg(ui::Application* app = nullptr);
    ~CQuenbarDlg() override;

    // Where the link looks for the device; set before the window starts.
    void SetLinkConfig(const device::LinkConfig& config) { m_LinkConfig = config; }
    // Starts the TCP and USB threads and the link timers (TIMER_POLL, TIMER_STATUS). OnInitDialog calls it.
    void StartLink();
    // Raises the stop flag, releases pending sends, joins every link thread. Safe to call more than once.
    void StopLink();
    device::DeviceLink& Link() { return m_Link; }
    // The TCP receive side's byte countdown (m_nRxCountdown): 2 per received byte, 0 at a frame's end,
    // lowered by TIMER_RX_TIMEOUT.
    int RxCountdown() { return m_Link.ReceiveCountdown().Value(); }
    // A scene recall from the device: stops the difference sync and reads the slot's images, watched like
    // the full read but without the progress dialog.
    void StartRecallRead(int slot);

    int LoadState() const { return m_nLoadState; }
    const std::string& VersionText() const { return m_VersionText; }
    int ModelLayoutsApplied() const { return m_LayoutsApplied; }

    // The firmware file choice: an open dialog, the name and sum checks, and on success the change push
    // stops and the device is asked into its upgrade mode. acceptAnyModel: any model's file name passes.
    void LoadUpgradeFile(bool acceptAnyModel = false);

    // The delays the delay edits hold, packed with the main image.
    device::Delays& Delays() { return m_Delays; }

    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override;

    // DispatchTarget (dispatch threads).
    void DeviceIdentified() override;
    void DeviceImageLoaded() override;
    void RoutingImageLoaded() override;
    void ChannelNameChanged(int channel) override;
    void UpgradeRequested() override;
    void SaveDone() override;
    // LinkListener (transport threads).
    void UsbUnknownProduct() override;
    void UsbUpgradeDeviceOpened() override;
    void UsbRemoved() override;
    void LinkNotice(const device::Notice& notice) override;

    // ---- Top bar, dialog launchers and command routing ----
    // The About entry of the system menu; the start-up appends it with string 101.
    static constexpr ui::UINT IDM_ABOUTBOX = 0x10;
    // The source dialog on the current source; on OK the chosen source and mix flag are stored and the source
    // is sent.
    void SelectInputSource();
    void ShowAbout();
    // The distances the delay calculator opens on (48 kHz steps, CH1 first); it reports new ones back.
    int m_DelayCalcDistance[12] = {};

    // ---- Reset of all settings and the save guard ----
    // Brings the parameter model to its factory values and every control that shows them into step. Sends
    // nothing: the change push carries the changes to the device.
    void ResetAllControls();
    // Refuses a save with the master volume off and asks before saving CH1..CH6 muted. True: go on.
    bool CheckBeforeSave();

  protected:
    bool OnInitDialog() override;
    void OnTimer(ui::UINT_PTR id) override;
    void OnOK() override {}
    void OnCancel() override {}
    void OnClose() override;
    void OnDestroy() override { StopLink(); }

    // Steps that later parts of the window fill in.
    virtual void ApplyModelLayout() { ++m_LayoutsApplied; }
    virtual void UpdateSaveModeText() {}
    virtual void UpdateCurrentModeText() {}
    virtual void RedrawSourceControls() {}
    virtual void UpdateSourceText() {}
    virtual void SelectSourceCombo() {}
    virtual void DrawTcpStatus() {}
    virtual void DrawUsbStatus() {}
    virtual void RedrawLinkButtons() {}
    virtual void RedrawMatrixRow(int channel) { (void)channel; }
    virtual void OnChannelNameChanged(int channel) { (void)channel; }
    virtual void RefreshLoadedControls() {}
    virtual void RedrawOverlayButtons() {}
    virtual bool StartFirmwareUpgrade();

    // ---- Top bar, dialog launchers and command routing ----
    ui::LRESULT OnNcHitTest(gfx::Point screen) override;
    void OnSysCommand(ui::UINT id, ui::LPARAM lParam) override;
    // The button and combo entries of the message map; the constructor adds them.
    void AddCommandHandlers();
    // The side dialogs' requests; true when message was one of them.
    bool OnShellMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam);
    // Procedures the routing reaches that later parts of the window fill in.
    virtual void ImportModeFromDsp() {}
    virtual void SaveModeToDsp() {}
    virtual void LoadSceneFile() {}
    virtual void SaveSceneFile() {}
    virtual void OnExportMcuParams() {}
    virtual void OnHighPassTypeChanged() {}
    virtual void OnHighPassSlopeChanged() {}
    virtual void OnLowPassTypeChanged() {}
    virtual void OnLowPassSlopeChanged() {}
    virtual void OnQuadModeChanged() {}
    virtual void ToggleBridge12() {}
    virtual void ToggleBridge34() {}
    virtual void ToggleBridge56() {}
    virtual void ToggleBridge78() {}

    // ---- Reset of all settings and the save guard ----
    // Display steps of the reset that the window's drawing fills in.
    virtual void RedrawChannelSelectButtons() {}
    virtual void RefreshEqRow() {}
    virtual void UpdateEqCurve(bool redraw) { (void)redraw; }
    // Zeroes every mix cell and redraws the matrix.
    void ResetInputVolume();

  private:
    // Timer cases.
    void OnPollTick();
    void OnPushChangesTick();
    void OnStatusTick();
    void OnLoadWatchdogTick();
    void EndLoad();
    void EndAbortedUpgrade();

    // ---- Top bar, dialog launchers and command routing ----
    void OnMinimizeButton();
    void OnHighLevelMixButton();
    void OnSourceComboChanged();
    void OnSceneCommand(ui::WPARAM command);
    void OnSetupCommand(ui::WPARAM command);
    void OnFilterSetup(ui::WPARAM which, ui::LPARAM item);
    void OnComboChanged(ui::Window* combo);

    // Message handlers.
    ui::LRESULT OnDeviceIdentified(ui::WPARAM, ui::LPARAM);
    ui::LRESULT OnDeviceDisconnected(ui::WPARAM, ui::LPARAM);
    ui::LRESULT OnDeviceImageLoaded(ui::WPARAM, ui::LPARAM);
    ui::LRESULT OnRoutingImageLoaded(ui::WPARAM, ui::LPARAM);
    ui::LRESULT OnUpgradeRequest(ui::WPARAM, ui::LPARAM);

    device::DeviceLink m_Link;
    device::LinkConfig m_LinkConfig;
    int m_nLoadState = 0;  // 0: no full read in this connection, 8: started
    device::Delays m_Delays{};
    int m_OverlayMask = 0;
    std::string m_VersionText;
    int m_LayoutsApplied = 0;
    bool m_NamesRequested = false;  // CMD_REQUEST_NAMES went out in this full read
    unsigned m_StatusPollTick = 0;  // TIMER_POLL ticks since the last status query, 0..29
    bool m_PollFast = true;         // TIMER_POLL runs every 10 ms (a link is up) or every 100 ms
    bool m_RxTimerRunning = false;  // TIMER_RX_TIMEOUT runs while a TCP link is up

    // As last shown by the status tick.
    int m_SaveModeSlotShown = 0;
    int m_CurrentModeSlotShown = 0;
    int m_InputSourceShown = 1;
    int m_UsbConnectedShown = 0;
    int m_UpgradeTextHold = 0;
    // The upgrade start waits for the user's file choice: no transfer runs yet, so nothing times out.
    bool m_ChoosingUpgradeFile = false;
    std::string m_UpgradeText;  // the (hidden) upgrade static's text
    std::string m_UsbText;      // the (hidden) USB static's text
};
