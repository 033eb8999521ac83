#pragma once
// The main dialog, on template 102. Its start-up runs in one fixed order (OnInitDialog); the link's threads
// are started with the window and stopped and joined before its members go. The dispatch threads reach it
// through DispatchTarget and LinkListener; every call that must finish on the UI thread is a send, every
// notice a post.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "device/deviceimage.h"
#include "device/devicelink.h"
#include "device/dispatcher.h"
#include "device/linklistener.h"
#include "controls/graphsync.h"
#include "controls/spectrum.h"
#include "controls/bandedit.h"
#include "controls/editcutfreq.h"
#include "controls/editdelay.h"
#include "controls/editgain.h"
#include "controls/editsystemvol.h"
#include "controls/mycombobox.h"
#include "controls/newsliderctrl.h"
#include "device/eqmodel.h"
#include "mainwnd/drawchoices.h"
#include "platform/gfx/pen.h"
#include "platform/ui/combobox.h"
#include "platform/ui/edit.h"
#include "platform/ui/static.h"
#include "platform/ui/templatedialog.h"
#include "platform/ui/trackbar.h"

// The screen's DPI as the start-up read it (96 until then); the window's geometry follows its band.
extern int g_ScreenDpiX;
extern int g_ScreenDpiY;
// x x g_ScreenDpiX / 96, truncated.
int DpiScale(int x);
// The master volume the master mute button saved for its next unmute (0 until then, never reset).
extern int g_MasterVolumeBeforeMute;

namespace files {
struct SceneApplyResult;
}

class CQuenbarDlg : public ui::TemplateDialog,
                    public device::DispatchTarget,
                    public device::LinkListener,
                    public controls::GraphSyncControls {
  public:
    explicit CQuenbarDlg(ui::Application* app = nullptr);
    ~CQuenbarDlg() override;

    // ---- Construction and start-up ----
    // The single-instance check of the start-up: false for a second instance, which then ends before any
    // thread or timer starts and never shows its window. Without one, every instance is the first.
    void SetInstanceCheck(std::function<bool()> check) { m_InstanceCheck = std::move(check); }
    // The start-up's steps as they ran, by name, for tests.
    const std::vector<std::string>& InitTrace() const { return m_InitTrace; }
    const std::string& SystemMenuAboutText() const { return m_SysMenuAbout; }
    CSpectrum& Spectrum() { return m_Spectrum; }

    // GraphSyncControls (TIMER_GRAPH_SYNC).
    void SetEditText(int id, const std::string& text) override;
    void SetGainSlider(int band, int code) override;
    void RedrawControl(int id) override;
    void RedrawGraph() override;

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
    // ---- Construction and start-up ----
    bool OnInitDialog() override;
    // The template's items, then the window sized to the skin at the screen's DPI.
    void CreateItems() override;
    void ReadScreenDpi();

    // ---- Geometry (set-up steps, in the start-up's order, and the DPI-only layout steps) ----
    void SetupGainSliders();
    void SetupSpeakerGainEdits();
    void SetupComboBoxes();
    void SetupMasterVolume();
    void SetupBandSliders();
    void SetupBandFreqEdits();
    void SetupBandGainEdits();
    void SetupBandQEdits();
    void PlaceCommandButtons();
    void SubclassDelayEdits();
    void PlaceTopBarButtons();
    void SetupStaticTexts();
    void SizeStatusPictures();
    void PlaceDelayCaption();
    void PlaceStripCaptions();
    void PlaceMasterScaleLabels();
    void DrawMasterScale(gfx::Canvas& canvas);
    // The value edits' links to the window: the grid's bands and neighbours, the gain rows' sliders, the
    // channels, the delays' places, the cut edits' partners and the master edit's slider and mute button.
    void InitValueEdits();

    // ---- Painting ----
    void OnPaint(gfx::Canvas& canvas) override;
    bool OnEraseBkgnd(gfx::Canvas& canvas) override;
    const gfx::Brush* OnCtlColor(gfx::Canvas& canvas, ui::Window* control, int kind) override;
    // Places item id at rect (client pixels); sizes only when rect's position is to stay.
    void PlaceItem(int id, const gfx::Rect& rect);
    void SizeItem(int id, gfx::Size size);

    // ---- Owner-drawn buttons and the window's pictures ----
    bool OnDrawItem(int id, ui::DrawItemStruct& dis) override;
    // The model value a button shows, as far as it picks the button's bitmap.
    mainwnd::ButtonValue ShownValue(const mainwnd::OwnerDrawItem& item);
    void DrawCaption(const mainwnd::OwnerDrawItem& item, gfx::Canvas& canvas, const gfx::Rect& rect);
    // One font per face and height, made on first use.
    const gfx::Font& CaptionFont(const char* face, int height);
    // The TCP and USB pictures and the logo, on the window's own canvas.
    void DrawLinkPictures(gfx::Canvas& canvas);
    void DrawLogo(gfx::Canvas& canvas);
    // The selection shows through the channel buttons alone.
    void DrawChannelMarker() {}

    void OnTimer(ui::UINT_PTR id) override;
    void OnOK() override {}
    void OnCancel() override {}
    void OnClose() override;
    void OnDestroy() override { StopLink(); }
    void Trace(const char* step) { m_InitTrace.emplace_back(step); }

    // Steps that later parts of the window fill in.
    // The layout pass for g_DeviceModel, run after the start-up's chooser, after every disconnection and
    // when a device identifies itself after a model chosen by hand.
    virtual void ApplyModelLayout();
    virtual void UpdateSaveModeText();
    virtual void UpdateCurrentModeText();
    virtual void RedrawSourceControls();
    virtual void UpdateSourceText();
    virtual void SelectSourceCombo();
    virtual void DrawTcpStatus();
    virtual void DrawUsbStatus();
    virtual void RedrawLinkButtons();
    virtual void RedrawMatrixRow(int channel);
    virtual void OnChannelNameChanged(int channel);
    virtual void RefreshLoadedControls();
    virtual void RedrawOverlayButtons();
    virtual bool StartFirmwareUpgrade();

    // ---- Top bar, dialog launchers and command routing ----
    ui::LRESULT OnNcHitTest(gfx::Point screen) override;
    void OnSysCommand(ui::UINT id, ui::LPARAM lParam) override;
    // The button and combo entries of the message map; the constructor adds them.
    void AddCommandHandlers();
    // The side dialogs' requests; true when message was one of them.
    bool OnShellMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam);
    // Procedures the routing reaches that later parts of the window fill in.
    virtual void ImportModeFromDsp();
    virtual void SaveModeToDsp();
    virtual void LoadSceneFile();
    virtual void SaveSceneFile();
    virtual void OnExportMcuParams();
    virtual void OnHighPassTypeChanged();
    virtual void OnHighPassSlopeChanged();
    virtual void OnLowPassTypeChanged();
    virtual void OnLowPassSlopeChanged();
    virtual void OnQuadModeChanged();
    virtual void ToggleBridge12();
    virtual void ToggleBridge34();
    virtual void ToggleBridge56();
    virtual void ToggleBridge78();

    // ---- Reset of all settings and the save guard ----
    // Display steps of the reset that the window's drawing fills in.
    virtual void RedrawChannelSelectButtons();
    virtual void RefreshEqRow();
    virtual void UpdateEqCurve(bool redraw);
    // Zeroes every mix cell and redraws the matrix.
    void ResetInputVolume();

    // ---- Layout by device model and the status display ----
    // The steps of the layout pass, in its order.
    void UpdateLanguageAndModel();
    void RelabelInputs();
    void PlaceChannelSelectButtons();
    void PlaceChannelGainEdits();
    void PlaceMuteButtons();
    void PlacePhaseButtons();
    void PlaceDelayEdits();
    void PlaceDelayUnitButtons();
    void PlaceRoutingMatrix();
    void PlaceInputLabels();
    void PlaceChannelGainSliders();
    void PlaceBridgeButtons();
    void PlaceLinkButtons();
    void PlaceOverlayButtons();
    void PlaceGainScaleLabels();
    void PlaceStripRow(const std::array<int, kChannels>& ids, const gfx::Rect& first, int pitch);
    // Shows or hides every control for the model, whatever the last pass showed.
    void OnApplyModelLayout();

  public:
    // The skin bitmap a status picture (1265 or 1266) shows, 0 before the first draw. The window paints it
    // over the picture's rectangle also where the template hides the picture.
    int StatusPictureBitmap(int pictureId) const;

  private:
    // The link's threads, on the application's clock (the start-up's step without the timers).
    void StartLinkThreads();
    void ShowStatusPicture(int pictureId, int bitmapId, int& shown);
    int m_LastLayoutModel = 255;  // the model of the last layout pass; 255 before the first
    int m_TcpPictureShown = 0;
    int m_UsbPictureShown = 0;
  public:
    // ---- Input routing matrix and mix volume ----
    // The input source a matrix label belongs to: 1 high level, 2 AUX, 3 Bluetooth (or USB), 5 optical,
    // 10 no source (model 7's unused inputs); 0 for a control that is no input label.
    int GetInputLabelKind(int controlId) const;

  protected:
    // The 240 cell buttons' clicks (one handler finds the cell by its id); the constructor adds them.
    void AddRoutingHandlers();
    void OnRoutingCellClicked(int id);
    // Toggles input j of output o; a bridged pair's partner takes the same state.
    void ToggleRoutingCell(int o, int j);
    // The six pair buttons, after a load read the bridge flags.
    void RedrawBridgeButtons();
    void OnMixVolumeChanged(ui::WPARAM volume);
    // ---- Channel and EQ editing (handlers registered by AddEditingHandlers) ----
  public:
    // The skin bitmap id of a link button: the lowest link group sharing a bit with mask, at the DPI band.
    static int LinkBitmapId(int channelMask);
    const gfx::Bitmap& LoadLinkBitmap(int channelMask);
    // What a channel's select button names: its name, or its default title while the name is empty.
    static std::string ChannelSelectTitle(int channel);
    // Invalidates an enabled control's area of the window, background included; a disabled one is left.
    void InvalidateControl(int id);
    // The stores the channel-gain setter and the loaded-value refresh write through.
    void SetChannelGain(int channel, int value, ui::TrackBar* slider);
    void ShowChannelGainText(int channel, int editId);
    void UpdateMuteButton(ui::Window* button, int channel);
    int PeqMode() const { return m_bPeqMode; }

  protected:
    void AddEditingHandlers();
    bool OnEditingMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam);
    void OnVScroll(unsigned code, int pos, ui::Window* bar) override;
    // EQ bands.
    void OnBandBypassButton(int band);
    void ToggleBandBypass(int band);
    void OnBandEditSetFocus(int band);
    void OnBandFreqKillFocus(int band);
    void OnBandQKillFocus(int band);
    void OnBandGainKillFocus(int band);
    void OnEqGainSlider(int band, ui::TrackBar* slider, int gainEditId);
    void OnEqModeButton();
    void OnBypassAllButton();
    void OnResetAllButton();
    void OnResetEqButton();
    bool ResetAllEq();
    void UpdateEqEditEnabling();
    void EnableParametricEdits() { UpdateEqEditEnabling(); }
    // Crossover.
    void OnCrossoverListChanged(int listId, int (&table)[kChannels], int marker);
    void OnCutFreqKillFocus(int editId, int kind);
    void OnHighPassFreqKillFocus();
    void OnLowPassFreqKillFocus();
    // Channel selection and naming.
    void OnChannelSelectButton(int channel);
    void OnChannelSelectDoubleClick(int channel);
    void RenameChannel(int channel);
    // Attenuation, mute, phase, master volume.
    void OnChannelGainSlider(int channel);
    void OnMasterSlider();
    void OnGainEditKillFocus(int channel);
    void OnGainCommit(int channel);
    void OnGainStepped(int channel);
    void RefreshChannelGain(int channel);
    void OnMuteButton(int channel);
    void OnPhaseButton(int channel);
    void OnMasterMuteButton();
    void OnMasterMute() { OnMasterMuteButton(); }
    void OnMasterVolumeKillFocus();
    void ShowMasterMute();
    void OnMoveFocus(ui::WPARAM key);
    // Delays.
    void ShowDelay(int channel);
    void CopyDelayToPartner(int channel);
    void OnDelayEditKillFocus(int channel);
    void OnDelayChanged();
    void OnDelayResult(ui::WPARAM channel, ui::LPARAM value);
    void OnDelayUnitButton();
    // Bridge pairs, quad link, link groups.
    void ToggleBridge(int pair);
    virtual void ToggleBridge910();
    virtual void ToggleBridge1112();
    void ToggleLinkGroup(int bitA);
    void CopyEqToLinkedChannels(int k);
    // Overlays and source labels.
    void OnOverlayButton(int channel);
    void UpdateBtInputLabels(int channel, int source);

  protected:
    // ---- Scenes and the side dialogs' commands (quenbardlg_scenes.cpp) ----
    // A loaded scene file shown in the controls the reader's table names.
    void ShowLoadedScene(const files::SceneApplyResult& changes);
    // The filter-setup dialog; afterwards the cut edits show the current channel's frequencies again.
    void OnFilterSetupButton();

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

    // ---- Members of the window, in the original's order ----
    std::array<CEditDelay, kChannels> m_EditDelay;  // CH1..CH12
    std::array<CNewSliderCtrl, kChannels> m_SliderGain;
    std::array<CEditGain, kChannels> m_EditGain;
    CNewSliderCtrl m_SliderMaster;
    CEditSystemVol m_EditMaster;
    std::array<CNewSliderCtrl, kBands> m_SliderBand;  // band k + 1 at index k
    std::array<CEditFre, kBands> m_EditFre;
    std::array<CEditFreqGain, kBands> m_EditFreqGain;
    std::array<CEditQ, kBands> m_EditQ;
    CEidtLowCutFreq m_EditLowCut;
    CEditHighCutFreq m_EditHighCut;
    gfx::Font m_BandEditFont;
    gfx::Brush m_DialogBrush;
    gfx::Brush m_EditBrush;
    CSpectrum m_Spectrum;
    int m_bPeqMode = 1;
    ui::Static m_StaticSaveMode;
    ui::Static m_StaticCurMode;
    ui::Static m_StaticSource;
    std::array<CMyComboBox, 10> m_Combo;  // in the order of g_ComboIds
    gfx::Font m_LabelFont;
    gfx::Font m_LabelFont2;
    gfx::Font m_DelayLabelFont;

    std::function<bool()> m_InstanceCheck;
    std::vector<std::string> m_InitTrace;
    std::string m_SysMenuAbout;  // the system menu's About entry, empty without string 101
    // The upgrade start waits for the user's file choice: no transfer runs yet, so nothing times out.
    bool m_ChoosingUpgradeFile = false;

    // Owner-drawn captions: fonts by face and height.
    std::map<std::pair<std::string, int>, gfx::Font> m_CaptionFonts;
    // The background skin as stretched over the client area, and its bitmap id.
    gfx::Bitmap m_BkStretched;
    int m_BkStretchedId = 0;
};
