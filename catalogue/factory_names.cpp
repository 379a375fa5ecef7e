#include "catalogue/factory_names.h"

#include <iterator>

#include "tools/slideshow/t_powerpoint.h"
#include "tools/slideshow/t_ppblack.h"
#include "tools/slideshow/t_ppruntoggle.h"
#include "tools/slideshow/t_ppwhite.h"
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
#include "tools/toolbar/t_tabbar.h"

namespace catalogue {
namespace {

template <class Kind>
tool::ToolPtr Make() {
  return tool::MakeTool<Kind>();
}

constexpr FactoryName Names[] = {
    {"TPowerpointTool", &Make<tools::slideshow::TPowerpointTool>},
    {"TLaserTool", &Make<tools::screen::TLaserTool>},
    {"TBasicTool", &Make<tool::TBasicTool>},
    {"TDummyTool", &Make<tool::TDummyTool>},
    {"TBrowserTool", &Make<tools::command::TBrowserTool>},
    {"TPenTool", &Make<tools::screen::TPenTool>},
    {"TDrawTool", &Make<tools::screen::TDrawTool>},
    {"TDBTool", &Make<tools::screen::TDBTool>},
    {"TBlankTool", &Make<tools::screen::TBlankTool>},
    {"TWindowTool", &Make<tools::screen::TWindowTool>},
    {"TShapeTool", &Make<tools::screen::TShapeTool>},
    {"TKeystrokeTool", &Make<tools::command::TKeystrokeTool>},
    {"TConfigTool", &Make<tools::screen::TConfigTool>},
    {"THelpTool", &Make<tools::command::THelpTool>},
    {"TSoundTool", &Make<tools::command::TSoundTool>},
    {"TClearTool", &Make<tools::screen::TClearTool>},
    {"TKeybdTool", &Make<tools::command::TKeybdTool>},
    {"TShowBitmapTool", &Make<tools::screen::TShowBitmapTool>},
    {"TprogTool", &Make<tools::command::TprogTool>},
    {"TScreenSaverTool", &Make<tools::screen::TScreenSaverTool>},
    {"TTabBarTool", &Make<tools::toolbar::TTabBarTool>},
    {"TSpriteTool", &Make<tools::screen::TSpriteTool>},
    {"TZoomTool", &Make<tools::screen::TZoomTool>},
    {"TTickerTool", &Make<tools::screen::TTickerTool>},
    {"TClockTimerTool", &Make<tools::screen::TClockTimerTool>},
    {"TAnalogClockTool", &Make<tools::screen::TAnalogClockTool>},
    {"TShowVideoTool", &Make<tools::screen::TShowVideoTool>},
    {"TCenterTool", &Make<tools::screen::TCenterTool>},
    {"TCaptureTool", &Make<tools::screen::TCaptureTool>},
    {"TSublimTool", &Make<tools::screen::TSublimTool>},
    {"TChangeConfigTool", &Make<tools::command::TChangeConfigTool>},
    {"TPlayertool", &Make<tools::command::TPlayertool>},
    {"TCDPlayerTool", &Make<tools::command::TCDPlayerTool>},
    {"TDVDPlayerTool", &Make<tools::command::TDVDPlayerTool>},
    {"TQuitTool", &Make<tools::command::TQuitTool>},
    {"TPPBlackTool", &Make<tools::slideshow::TPPBlackTool>},
    {"TPPWhiteTool", &Make<tools::slideshow::TPPWhiteTool>},
    {"TPPRunToggleTool", &Make<tools::slideshow::TPPRunToggleTool>},
    {"TClipboardTool", &Make<tools::command::TClipboardTool>},
    {"TSorterTool", &Make<tools::screen::TSorterTool>},
    {"TWheelTool", &Make<tools::screen::TWheelTool>},
    {"TVolumeTool", &Make<tools::command::TVolumeTool>},
    {"TWinCommandTool", &Make<tools::command::TWinCommandTool>},
    {"TMCECommandTool", &Make<tools::command::TMCECommandTool>},
    {"TKeyCommandTool", &Make<tools::command::TKeyCommandTool>},
    {"TMediaCommandTool", &Make<tools::command::TMediaCommandTool>},
    {"TMouseCommandTool", &Make<tools::command::TMouseCommandTool>},
    {"TPowerShapeTool", &Make<tools::screen::TPowerShapeTool>},
    {"TShapeppTool", &Make<tools::screen::TShapeppTool>},
    {"TWordStampTool", &Make<tools::screen::TWordStampTool>},
    {"TSuperVolTool", &Make<tools::command::TSuperVolTool>},
};
static_assert(std::size(Names) == FactoryNameCount);

}  // namespace

std::span<const FactoryName> FactoryNames() { return Names; }

}  // namespace catalogue
