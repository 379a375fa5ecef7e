#include "core/factory_names.h"

#include <iterator>

#include "input/t_powerpoint.h"
#include "input/t_ppblack.h"
#include "input/t_ppruntoggle.h"
#include "input/t_ppwhite.h"
#include "tools/command/t_browser.h"
#include "tools/command/t_cdplayer.h"
#include "tools/command/t_changeconfig.h"
#include "tools/command/t_clipboard.h"
#include "tools/command/t_dvdplayer.h"
#include "tools/command/t_help.h"
#include "tools/command/t_keybd.h"
#include "tools/command/t_keycommand.h"
#include "tools/command/t_keystroke.h"
#include "tools/command/t_mcecommand.h"
#include "tools/command/t_mediacommand.h"
#include "tools/command/t_mousecommand.h"
#include "tools/command/t_player.h"
#include "tools/command/t_prog.h"
#include "tools/command/t_quit.h"
#include "tools/command/t_sound.h"
#include "tools/command/t_supervol.h"
#include "tools/command/t_volume.h"
#include "tools/command/t_wincommand.h"
#include "tools/screen/t_analogclock.h"
#include "tools/screen/t_blank.h"
#include "tools/screen/t_capture.h"
#include "tools/screen/t_center.h"
#include "tools/screen/t_clear.h"
#include "tools/screen/t_clocktimer.h"
#include "tools/screen/t_config.h"
#include "tools/screen/t_dbtool.h"
#include "tools/screen/t_draw.h"
#include "tools/screen/t_laser.h"
#include "tools/screen/t_pen.h"
#include "tools/screen/t_powershape.h"
#include "tools/screen/t_screensaver.h"
#include "tools/screen/t_shape.h"
#include "tools/screen/t_shapepp.h"
#include "tools/screen/t_showbitmap.h"
#include "tools/screen/t_showvideo.h"
#include "tools/screen/t_sorter.h"
#include "tools/screen/t_sprite.h"
#include "tools/screen/t_sublim.h"
#include "tools/screen/t_ticker.h"
#include "tools/screen/t_wheel.h"
#include "tools/screen/t_window.h"
#include "tools/screen/t_wordstamp.h"
#include "tools/screen/t_zoom.h"
#include "ui/t_tabbar.h"

namespace core {
namespace {

template <class Kind>
ToolPtr Make() {
  return MakeTool<Kind>();
}

constexpr FactoryName Names[] = {
    {"TPowerpointTool", &Make<input::TPowerpointTool>},
    {"TLaserTool", &Make<tools::TLaserTool>},
    {"TBasicTool", &Make<core::TBasicTool>},
    {"TDummyTool", &Make<core::TDummyTool>},
    {"TBrowserTool", &Make<tools::TBrowserTool>},
    {"TPenTool", &Make<tools::TPenTool>},
    {"TDrawTool", &Make<tools::TDrawTool>},
    {"TDBTool", &Make<tools::TDBTool>},
    {"TBlankTool", &Make<tools::TBlankTool>},
    {"TWindowTool", &Make<tools::TWindowTool>},
    {"TShapeTool", &Make<tools::TShapeTool>},
    {"TKeystrokeTool", &Make<tools::TKeystrokeTool>},
    {"TConfigTool", &Make<tools::TConfigTool>},
    {"THelpTool", &Make<tools::THelpTool>},
    {"TSoundTool", &Make<tools::TSoundTool>},
    {"TClearTool", &Make<tools::TClearTool>},
    {"TKeybdTool", &Make<tools::TKeybdTool>},
    {"TShowBitmapTool", &Make<tools::TShowBitmapTool>},
    {"TprogTool", &Make<tools::TprogTool>},
    {"TScreenSaverTool", &Make<tools::TScreenSaverTool>},
    {"TTabBarTool", &Make<ui::TTabBarTool>},
    {"TSpriteTool", &Make<tools::TSpriteTool>},
    {"TZoomTool", &Make<tools::TZoomTool>},
    {"TTickerTool", &Make<tools::TTickerTool>},
    {"TClockTimerTool", &Make<tools::TClockTimerTool>},
    {"TAnalogClockTool", &Make<tools::TAnalogClockTool>},
    {"TShowVideoTool", &Make<tools::TShowVideoTool>},
    {"TCenterTool", &Make<tools::TCenterTool>},
    {"TCaptureTool", &Make<tools::TCaptureTool>},
    {"TSublimTool", &Make<tools::TSublimTool>},
    {"TChangeConfigTool", &Make<tools::TChangeConfigTool>},
    {"TPlayertool", &Make<tools::TPlayertool>},
    {"TCDPlayerTool", &Make<tools::TCDPlayerTool>},
    {"TDVDPlayerTool", &Make<tools::TDVDPlayerTool>},
    {"TQuitTool", &Make<tools::TQuitTool>},
    {"TPPBlackTool", &Make<input::TPPBlackTool>},
    {"TPPWhiteTool", &Make<input::TPPWhiteTool>},
    {"TPPRunToggleTool", &Make<input::TPPRunToggleTool>},
    {"TClipboardTool", &Make<tools::TClipboardTool>},
    {"TSorterTool", &Make<tools::TSorterTool>},
    {"TWheelTool", &Make<tools::TWheelTool>},
    {"TVolumeTool", &Make<tools::TVolumeTool>},
    {"TWinCommandTool", &Make<tools::TWinCommandTool>},
    {"TMCECommandTool", &Make<tools::TMCECommandTool>},
    {"TKeyCommandTool", &Make<tools::TKeyCommandTool>},
    {"TMediaCommandTool", &Make<tools::TMediaCommandTool>},
    {"TMouseCommandTool", &Make<tools::TMouseCommandTool>},
    {"TPowerShapeTool", &Make<tools::TPowerShapeTool>},
    {"TShapeppTool", &Make<tools::TShapeppTool>},
    {"TWordStampTool", &Make<tools::TWordStampTool>},
    {"TSuperVolTool", &Make<tools::TSuperVolTool>},
};
static_assert(std::size(Names) == FactoryNameCount);

}  // namespace

std::span<const FactoryName> FactoryNames() { return Names; }

}  // namespace core
