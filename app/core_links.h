// Where the core calls into subsystems built around it (tool window, editor
// window, drawing board, mouse capture, hook library). Each owning module fills
// its entries when it starts; an empty entry means that subsystem is not part of
// this build yet and the step has nothing to do.
#pragma once
#include <cstdint>
#include <functional>

#include "platform/types.h"

namespace tool {
class TTool;
}

namespace app {

struct CoreLinks {
  // Tool window (screen tools): attach before Start, release after Stop.
  std::function<void(tool::TTool&)> attachToolWindow;
  std::function<void(tool::TTool&)> releaseToolWindow;
  std::function<bool()> shrinkMediaCenter;        // true when a full-screen Media Center was shrunk
  std::function<bool()> mediaCenterFillsScreen;
  std::function<void(bool forward)> stepColorPicker;
  std::function<void(bool forward)> stepWidthPicker;
  std::function<void()> exitToolWindows;          // command 106
  // Editor and configuration window.
  std::function<bool()> hideEditorForTool;        // true when the window was hidden or minimized
  std::function<void(tool::TTool&)> refreshToolButton;
  std::function<void()> showConfigurationWindow;  // command 126
  std::function<void()> closeToolbar;             // command 127
  std::function<void()> changePendingProfile;     // command 20
  std::function<platform::WindowHandle()> configurationWindow;
  std::function<bool()> closePageSorter;          // true when it was open
  // Input intake.
  std::function<bool()> startMouseCapture;        // DirectInput reader; false when unavailable
  std::function<void()> stopMouseCapture;
  std::function<bool(int& dx, int& dy)> readRelativeMotion;
  std::function<void(std::uint32_t button)> deviceButtonDown;
  std::function<void(std::uint32_t button)> deviceButtonUp;
  std::function<void()> deviceButtonHoldTick;
  // Second-timer work of later subsystems.
  std::function<void()> updateIcon;
  std::function<void()> checkSlideShow;
  std::function<void()> checkSchedule;
  std::function<void()> restoreTaskbarAfterMediaCenter;
  // Start-up and shutdown steps of later subsystems, in the order they run.
  std::function<void()> translationHandling;
  std::function<void()> loadResources;
  std::function<void()> createEffects;
  std::function<void()> loadGraphics;
  std::function<void()> createCatalogue;
  std::function<void()> openForms;
  std::function<void()> initConfigForm;
  std::function<void()> showConfigForm;
  std::function<void()> showTips;
  std::function<void()> runBatchJob;
  std::function<void()> closeForms;
  std::function<void()> freeClipboardTool;
  std::function<void()> freeCatalogue;
  std::function<void()> freeResources;
  std::function<void()> finishTranslation;
  std::function<void()> shutdownExit;             // the editor's work when Windows ends the session
  std::function<void()> rebuildButtons;           // WM_SYSCOLORCHANGE
  std::function<void(std::int64_t lParam)> trayMessage;
  std::function<void(std::int64_t form)> closeForm;  // command 14
  std::function<void()> showHelp;                 // the normal help of a help request
  std::function<void(int code)> notifyState;      // the preferences' state events
  std::function<void()> releaseSharedToolWindow;  // second half of the exit routine
  // Remote-device library.
  std::function<int(std::uint64_t controlWindow)> initRemote;
  std::function<void()> terminateRemote;
};

CoreLinks& Links();

}  // namespace app
