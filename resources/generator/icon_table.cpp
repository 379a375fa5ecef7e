#include "resources/generator/icon_table.h"

#include <array>

namespace resources::generator {
namespace {

constexpr std::uint32_t Rgb(int r, int g, int b) {
  return static_cast<std::uint32_t>(r | (g << 8) | (b << 16));
}

using T = Tint;
using D = Drawing;

constexpr Art G(std::string_view glyph, Tint t) { return {glyph, t}; }
constexpr Art B(std::string_view glyph, Tint t, std::string_view badge, Tint bt = T::Alert) {
  return {glyph, t, badge, bt};
}
constexpr Art Mouse(std::uint32_t buttons, Tint t = T::Input, std::string_view badge = {}) {
  return {{}, t, badge, T::Alert, D::MouseButtons, buttons};
}
constexpr Art Key(std::string_view text, std::string_view glyph = {}) {
  return {glyph, T::Windows, {}, T::Alert, D::Keycap, 0, text};
}
constexpr Art Fill(std::uint32_t color) { return {{}, T::Powerpoint, {}, T::Alert, D::ScreenFill, color}; }
constexpr Art Gesture(std::string_view path) { return {{}, T::Input, {}, T::Alert, D::Gesture, 0, path}; }
constexpr Art Zone(std::string_view zone) { return {{}, T::Input, {}, T::Alert, D::Hotspot, 0, zone}; }

constexpr unsigned Left = 1, Middle = 2, Right = 4, Double = 8;

// In resource order (core/stock_icons.h); the generator checks the two agree.
constexpr std::array<NamedArt, 154> Buttons = {{
    {"tb_ContextHelp", B("help-circle-outline", T::Help, "cursor-default", T::Dark)},
    {"tb_customkeystroke", {{}, T::Input, {}, T::Alert, D::CustomKeystroke, 0, {}, false}},
    {"tb_HelpTopic", G("book-open-variant", T::Help)},
    {"tb_MinimizeApp", G("window-minimize", T::Windows)},
    {"tb_Mouse", G("mouse", T::Input)},
    {"tb_Mouse_ld", Mouse(Left | Double)},
    {"tb_Mouse_m", Mouse(Middle)},
    {"tb_Mouse_md", Mouse(Middle | Double)},
    {"tb_Mouse_rd", Mouse(Right | Double)},
    {"tb_NextClickRight", Mouse(Right, T::Input, "redo")},
    {"tb_NoTool", G("block-helper", T::Dark)},
    {"tb_OpenHelpTopic", G("book-open", T::Help)},
    {"tb_Powerpoint", G("file-powerpoint-box", T::Powerpoint)},
    {"tb_Powerpoint_RunToggle", G("presentation-play", T::Powerpoint)},
    {"tb_Question", G("help", T::Help)},
    {"tb_Quit", G("power", T::Alert)},
    {"tb_ToolbarArrow", {{}, T::None, "arrow-down-drop-circle", T::Dark}},
    {"tb_Volume", G("volume-medium", T::Media)},
    {"tb_AnalogClock", G("clock", T::Time)},
    {"tb_Blank", G("eye-off", T::Screen)},
    {"tb_BMP", G("image", T::Screen)},
    {"tb_Bottom", G("format-vertical-align-bottom", T::Windows)},
    {"tb_Browser_Activate", G("earth", T::Browser)},
    {"tb_Browser_AddToFavorites", G("bookmark-plus", T::Browser)},
    {"tb_Browser_Back", G("arrow-left-bold-circle", T::Browser)},
    {"tb_Browser_Down", G("arrow-down-drop-circle", T::Browser)},
    {"tb_Browser_Favorites", G("star", T::Browser)},
    {"tb_Browser_Forward", G("arrow-right-bold-circle", T::Browser)},
    {"tb_Browser_Goto", G("link-variant", T::Browser)},
    {"tb_Browser_Home", G("home", T::Browser)},
    {"tb_Browser_NewWindow", G("open-in-new", T::Browser)},
    {"tb_Browser_PageDown", G("chevron-double-down", T::Browser)},
    {"tb_Browser_PageUp", G("chevron-double-up", T::Browser)},
    {"tb_Browser_Print", G("printer", T::Browser)},
    {"tb_Browser_Refresh", G("refresh", T::Browser)},
    {"tb_Browser_Search", G("magnify", T::Browser)},
    {"tb_Browser_Stop", G("close-octagon", T::Alert)},
    {"tb_Browser_Up", G("arrow-up-drop-circle", T::Browser)},
    {"tb_Capture", G("camera", T::Screen)},
    {"tb_CDPlayer_Play", G("disk", T::Media)},
    {"tb_Center", G("crosshairs-gps", T::Input)},
    {"tb_Clear", G("eraser", T::Screen)},
    {"tb_Clipboard", G("clipboard-text", T::General)},
    {"tb_Clock", G("alarm", T::Time)},
    {"tb_CloseApp", G("window-close", T::Windows)},
    {"tb_CloseDoc", B("file-document", T::Windows, "close-circle")},
    {"tb_Configure", B("monitor", T::General, "settings", T::Dark)},
    {"tb_Copy", G("content-copy", T::Windows)},
    {"tb_Cut", G("content-cut", T::Windows)},
    {"tb_Delete", Key("Del")},
    {"tb_DownArrow", G("arrow-down-bold", T::Windows)},
    {"tb_Enter", Key({}, "keyboard-return")},
    {"tb_Esc", Key("Esc")},
    {"tb_Frame", G("crop-free", T::Screen)},
    {"tb_Help", G("help-circle", T::Help)},
    {"tb_hideandseek", G("eye", T::Screen)},
    {"tb_Hilite", G("marker", T::Screen)},
    {"tb_Keyboard", G("keyboard", T::Input)},
    {"tb_Keypad", G("dialpad", T::Input)},
    {"tb_Keystroke", G("keyboard-variant", T::Input)},
    {"tb_Laser", {{}, T::Alert, {}, T::Alert, D::LaserDot}},
    {"tb_Launch", G("rocket", T::General)},
    {"tb_Launch_Mail", G("email", T::Windows)},
    {"tb_LeftArrow", G("arrow-left-bold", T::Windows)},
    {"tb_MCE_AV_ChannelDown", B("television", T::MediaCenter, "arrow-down-bold-circle", T::Dark)},
    {"tb_MCE_AV_ChannelUp", B("television", T::MediaCenter, "arrow-up-bold-circle", T::Dark)},
    {"tb_MCE_AV_DVDMenu", B("disk", T::MediaCenter, "menu", T::Dark)},
    {"tb_MCE_AV_Mute", G("volume-off", T::MediaCenter)},
    {"tb_MCE_AV_Standby", G("power", T::MediaCenter)},
    {"tb_MCE_AV_VolumeDown", G("volume-low", T::MediaCenter)},
    {"tb_MCE_AV_VolumeSuper", B("volume-high", T::MediaCenter, "rotate-right", T::Dark)},
    {"tb_MCE_AV_VolumeUp", G("volume-high", T::MediaCenter)},
    {"tb_MCE_MY_Music", G("music-note", T::MediaCenter)},
    {"tb_MCE_MY_Pictures", G("image-multiple", T::MediaCenter)},
    {"tb_MCE_MY_RecordedTV", B("television", T::MediaCenter, "record")},
    {"tb_MCE_MY_TV", G("television-guide", T::MediaCenter)},
    {"tb_MCE_MY_Videos", G("filmstrip", T::MediaCenter)},
    {"tb_MCE_Nav_Back", G("arrow-left-bold-circle-outline", T::MediaCenter)},
    {"tb_MCE_Nav_Details", G("information-outline", T::MediaCenter)},
    {"tb_MCE_Nav_Down", G("arrow-down-drop-circle-outline", T::MediaCenter)},
    {"tb_MCE_Nav_EHome", G("home-modern", T::MediaCenter)},
    {"tb_MCE_Nav_Guide", G("timetable", T::MediaCenter)},
    {"tb_MCE_Nav_Left", G("arrow-left-drop-circle-outline", T::MediaCenter)},
    {"tb_MCE_Nav_OK", G("check-circle-outline", T::MediaCenter)},
    {"tb_MCE_Nav_Right", G("arrow-right-drop-circle-outline", T::MediaCenter)},
    {"tb_MCE_Nav_TV", G("television", T::MediaCenter)},
    {"tb_MCE_Nav_Up", G("arrow-up-drop-circle-outline", T::MediaCenter)},
    {"tb_MCE_numpad", G("dialpad", T::MediaCenter)},
    {"tb_MCE_Transport_FF", G("fast-forward", T::MediaCenter)},
    {"tb_MCE_Transport_Pause", G("pause", T::MediaCenter)},
    {"tb_MCE_Transport_Play", G("play", T::MediaCenter)},
    {"tb_MCE_Transport_PlayPause", G("play-pause", T::MediaCenter)},
    {"tb_MCE_Transport_Record", G("record", T::Alert)},
    {"tb_MCE_Transport_Replay", G("replay", T::MediaCenter)},
    {"tb_MCE_Transport_Rewind", G("rewind", T::MediaCenter)},
    {"tb_MCE_Transport_Skip", G("skip-next", T::MediaCenter)},
    {"tb_MCE_Transport_Stop", G("stop", T::MediaCenter)},
    {"tb_MEDIA_Next_Track", G("skip-next", T::Media)},
    {"tb_MEDIA_Play_Pause", G("play-pause", T::Media)},
    {"tb_MEDIA_Prev_Track", G("skip-previous", T::Media)},
    {"tb_MEDIA_Stop", G("stop", T::Media)},
    {"tb_MinimizeAll", G("desktop-mac", T::Windows)},
    {"tb_mouse_l", Mouse(Left)},
    {"tb_mouse_r", Mouse(Right)},
    {"tb_NextDoc", B("file-document", T::Windows, "arrow-right-bold-circle", T::Dark)},
    {"tb_NextWindow", B("application", T::Windows, "arrow-right-bold-circle", T::Dark)},
    {"tb_PageDown", Key("PgDn")},
    {"tb_PageUp", Key("PgUp")},
    {"tb_Paste", G("content-paste", T::Windows)},
    {"tb_Pen", G("pen", T::Screen)},
    {"tb_Powerpoint_Black", Fill(0x000000)},
    {"tb_Powerpoint_Custom", G("spotlight", T::Powerpoint)},
    {"tb_Powerpoint_Default", G("cursor-default", T::Powerpoint)},
    {"tb_Powerpoint_Exit", G("exit-to-app", T::Powerpoint)},
    {"tb_Powerpoint_First", G("page-first", T::Powerpoint)},
    {"tb_Powerpoint_Goto", G("file-presentation-box", T::Powerpoint)},
    {"tb_Powerpoint_Last", G("page-last", T::Powerpoint)},
    {"tb_Powerpoint_Next", G("arrow-right-bold-circle", T::Powerpoint)},
    {"tb_Powerpoint_Pen", G("pen", T::Powerpoint)},
    {"tb_Powerpoint_Prev", G("arrow-left-bold-circle", T::Powerpoint)},
    {"tb_Powerpoint_StraightPen", B("pen", T::Powerpoint, "vector-line", T::Dark)},
    {"tb_Powerpoint_Text", G("format-text", T::Powerpoint)},
    {"tb_Powerpoint_White", Fill(0xFFFFFF)},
    {"tb_Powershape", G("shape-plus", T::Powerpoint)},
    {"tb_PrevDoc", B("file-document", T::Windows, "arrow-left-bold-circle", T::Dark)},
    {"tb_PrevWindow", B("application", T::Windows, "arrow-left-bold-circle", T::Dark)},
    {"tb_Profile", G("account-switch", T::General)},
    {"tb_RightArrow", G("arrow-right-bold", T::Windows)},
    {"tb_ScreenSaver", B("monitor", T::General, "weather-night", T::Dark)},
    {"tb_Shape", G("vector-square", T::Screen)},
    {"tb_Sound", G("music-note", T::Media)},
    {"tb_SoundRepeat", G("repeat", T::Media)},
    {"tb_SoundStop", G("music-note-off", T::Media)},
    {"tb_Spotlight", G("spotlight-beam", T::Screen)},
    {"tb_Sprite", G("hand-pointing-right", T::Screen)},
    {"tb_StraightHilite", B("marker", T::Screen, "vector-line", T::Dark)},
    {"tb_StraightPen", B("pen", T::Screen, "vector-line", T::Dark)},
    {"tb_Sublim", B("message-text", T::Screen, "flash")},
    {"tb_TaskList", G("apps", T::Windows)},
    {"tb_Ticker", G("newspaper", T::Screen)},
    {"tb_Timer", G("timer-sand", T::Time)},
    {"tb_Top", G("format-vertical-align-top", T::Windows)},
    {"tb_UpArrow", G("arrow-up-bold", T::Windows)},
    {"tb_UpDownArrow", G("swap-vertical", T::Input)},
    {"tb_Video", G("movie", T::Media)},
    {"tb_Volume_Down", G("volume-low", T::Media)},
    {"tb_Volume_Mute", G("volume-off", T::Media)},
    {"tb_Volume_Up", G("volume-high", T::Media)},
    {"tb_Wordstamp", G("format-text", T::Screen)},
    {"tb_Zoom", G("magnify", T::Screen)},
    {"tb_Zoom2x", B("magnify", T::Screen, "numeric-2-box")},
    {"tb_Zoom3x", B("magnify", T::Screen, "numeric-3-box")},
    {"tb_Zoom4x", B("magnify", T::Screen, "numeric-4-box")},
    {"tb_ZoomFrame", B("magnify", T::Screen, "crop-free", T::Dark)},
}};

// Gestures: U D L R for the strokes, a bracket pair for one diagonal stroke.
constexpr std::array<NamedArt, 31> Events = {{
    {"eb_Keyboard2", G("keyboard", T::Input)},
    {"eb_Mouse_Bottom", Zone("B")},
    {"eb_Mouse_BottomLeft", Zone("BL")},
    {"eb_Mouse_BottomRight", Zone("BR")},
    {"eb_Mouse_hshake", B("mouse", T::Input, "swap-horizontal", T::Dark)},
    {"eb_Mouse_Left", Zone("L")},
    {"eb_Mouse_Right", Zone("R")},
    {"eb_Mouse_Top", Zone("T")},
    {"eb_Mouse_TopLeft", Zone("TL")},
    {"eb_Mouse_TopRight", Zone("TR")},
    {"eb_Mouse_vshake", B("mouse", T::Input, "swap-vertical", T::Dark)},
    {"eb_PowerpointEvent", G("file-powerpoint-box", T::Powerpoint)},
    {"eb_RGesture_Down", Gesture("D")},
    {"eb_RGesture_Down_Left", Gesture("DL")},
    {"eb_RGesture_Down_Right", Gesture("DR")},
    {"eb_RGesture_Left", Gesture("L")},
    {"eb_RGesture_Left_Down", Gesture("LD")},
    {"eb_RGesture_Left_Up", Gesture("LU")},
    {"eb_RGesture_Right", Gesture("R")},
    {"eb_RGesture_Right_Down", Gesture("RD")},
    {"eb_RGesture_Right_Up", Gesture("RU")},
    {"eb_RGesture_Straight_DownLeft", Gesture("[DL]")},
    {"eb_RGesture_Straight_DownRight", Gesture("[DR]")},
    {"eb_RGesture_Straight_UpLeft", Gesture("[UL]")},
    {"eb_RGesture_Straight_UpRight", Gesture("[UR]")},
    {"eb_RGesture_Up", Gesture("U")},
    {"eb_RGesture_Up_Left", Gesture("UL")},
    {"eb_RGesture_Up_Right", Gesture("UR")},
    {"eb_RGesture_Z", Gesture("Z")},
    {"eb_SmallClock", G("clock", T::Time)},
    {"eb_SmallMouse", G("mouse", T::Input)},
}};

constexpr std::uint32_t Red = Rgb(229, 57, 53), Green = Rgb(67, 160, 71), Blue = Rgb(30, 136, 229),
                        Yellow = Rgb(253, 216, 53), Orange = Rgb(251, 140, 0), Grey = Rgb(84, 110, 122),
                        Brown = Rgb(121, 85, 72), Purple = Rgb(142, 36, 170), Gold = Rgb(255, 179, 0);

constexpr std::array<Sprite, 43> Pointers = {{
    {"sp_aastar", "star", Gold},
    {"sp_arrowdown", "arrow-down-bold", Blue},
    {"sp_arrowleft", "arrow-left-bold", Blue},
    {"sp_arrowne", "arrow-top-right", Blue},
    {"sp_arrownw", "arrow-top-left", Blue},
    {"sp_arrowright", "arrow-right-bold", Blue},
    {"sp_arrowse", "arrow-bottom-right", Blue},
    {"sp_arrowsw", "arrow-bottom-left", Blue},
    {"sp_arrowup", "arrow-up-bold", Blue},
    {"sp_bulb", "lightbulb", Yellow},
    {"sp_clickhere", "cursor-pointer", Red},
    {"sp_Clock", "clock", Grey},
    {"sp_cross", "close-circle", Red},
    {"sp_cross2", "close", Red},
    {"sp_dollar", "currency-usd", Green},
    {"sp_dollar2", "cash-usd", Green},
    {"sp_exclamation", "alert", Orange},
    {"sp_exclamation2", "alert-circle", Red},
    {"sp_go", "play-circle", Green},
    {"sp_hammer", "gavel", Brown},
    {"sp_hand", "hand-pointing-right", Orange},
    {"sp_Hash", "pound", Purple},
    {"sp_House", "home", Brown},
    {"sp_Key", "key", Gold},
    {"sp_Laser", {}, Red, Drawing::LaserDot},
    {"sp_No", "block-helper", Red},
    {"sp_NoSmk", "smoking-off", Red},
    {"sp_paperclip", "paperclip", Grey},
    {"sp_question", "help-circle", Blue},
    {"sp_Question2", "help", Purple},
    {"sp_stop", "close-octagon", Red},
    {"sp_storm", "weather-lightning", Grey},
    {"sp_sun", "weather-sunny", Gold},
    {"sp_tick", "check-circle", Green},
    {"sp_tick2", "check", Green},
    {"sp_torch", "flashlight", Orange},
    {"sp_trafficdown", "arrow-down-bold-circle", Green},
    {"sp_trafficleft", "arrow-left-bold-circle", Green},
    {"sp_trafficright", "arrow-right-bold-circle", Green},
    {"sp_trafficup", "arrow-up-bold-circle", Green},
    {"sp_UsFlag", {}, Red, Drawing::UsFlag},
    {"sp_USFlag2", "flag-variant", Blue},
    {"sp_Wand", "auto-fix", Purple},
}};

// Fixed cursors first, then the coloured families (by prefix).
constexpr CursorArt C(std::string_view name, std::string_view glyph, Anchor hotspot, bool down = false,
                      std::string_view shape = {}) {
  return {name, glyph, hotspot, down, shape};
}

constexpr std::array<CursorArt, 33> Cursors = {{
    C("Id_Pen", "pen", Anchor::BottomLeft),
    C("id_HiLite", "marker", Anchor::BottomLeft),
    C("id_Ellipse", "plus", Anchor::Center, false, "ellipse"),
    C("id_Rect", "plus", Anchor::Center, false, "rect"),
    C("id_Zoom", "magnify", Anchor::Lens),
    C("id_Football", "football", Anchor::Center),
    C("id_Wand", "auto-fix", Anchor::BottomLeft),
    C("id_HandRight", "hand-pointing-right", Anchor::Right),
    C("ID_PENDOWN", "pen", Anchor::BottomLeft, true),
    C("id_HiLiteDown", "marker", Anchor::BottomLeft, true),
    C("id_EllipseDown", "plus", Anchor::Center, true, "ellipse"),
    C("id_RectDown", "plus", Anchor::Center, true, "rect"),
    C("id_ZoomDown", "magnify-plus", Anchor::Lens, true),
    C("id_UpArrow", "arrow-up", Anchor::Top),
    C("id_Null", {}, Anchor::Center),
    C("Id_Toolbar", "view-module", Anchor::TopLeft),
    C("id_MultiTrash", "delete-sweep", Anchor::TopLeft),
    C("id_Trash", "delete", Anchor::TopLeft),
    C("id_DBRectangleDown", "plus", Anchor::Center, true, "rect"),
    C("id_DBRectangle", "plus", Anchor::Center, false, "rect"),
    C("id_DBEllipseDown", "plus", Anchor::Center, true, "ellipse"),
    C("id_DBEllipse", "plus", Anchor::Center, false, "ellipse"),
    C("id_DBLineDown", "plus", Anchor::Center, true, "line"),
    C("id_DBLine", "plus", Anchor::Center, false, "line"),
    C("id_TextStamp", "cursor-text", Anchor::Center),
    C("crRectDown", "plus", Anchor::Center, true, "rect"),
    C("crPen", "pen", Anchor::BottomLeft),
    C("crPenDown", "pen", Anchor::BottomLeft, true),
    C("crHilite", "marker", Anchor::BottomLeft),
    C("crHiliteDown", "marker", Anchor::BottomLeft, true),
    C("crRect", "plus", Anchor::Center, false, "rect"),
    C("crEllipse", "plus", Anchor::Center, false, "ellipse"),
    C("crLine", "plus", Anchor::Center, false, "line"),
}};

}  // namespace

std::uint32_t TintColor(Tint t) {
  switch (t) {
    case T::Screen: return Rgb(57, 73, 171);
    case T::Time: return Rgb(230, 145, 0);
    case T::Windows: return Rgb(30, 136, 229);
    case T::Browser: return Rgb(0, 151, 167);
    case T::MediaCenter: return Rgb(56, 142, 60);
    case T::Media: return Rgb(142, 36, 170);
    case T::Powerpoint: return Rgb(216, 67, 21);
    case T::Input: return Rgb(84, 110, 122);
    case T::General: return Rgb(109, 76, 65);
    case T::Help: return Rgb(2, 119, 189);
    case T::Alert: return Rgb(229, 57, 53);
    case T::Dark: return Rgb(55, 71, 79);
    case T::None: break;
  }
  return 0;
}

std::span<const NamedArt> ButtonArt() { return Buttons; }
std::span<const NamedArt> EventArt() { return Events; }
std::span<const Sprite> PointerArt() { return Pointers; }
std::span<const CursorArt> CursorTableArt() { return Cursors; }

const Art* FindArt(std::span<const NamedArt> table, std::string_view name) {
  for (const auto& e : table)
    if (e.name == name) return &e.art;
  return nullptr;
}

}  // namespace resources::generator::generator
