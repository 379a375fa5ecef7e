// The names of the program's image resources and the screen cursor table, in
// the order the lists load them. The resource generator makes exactly these and
// the loader asks for exactly these, so both builds agree on every index.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "resources/stock_icons.h"

namespace resources {

// Pictures of the editor's event list (26 x 26).
inline constexpr std::array<std::string_view, 31> EventIconNames = {
    "eb_Keyboard2",         "eb_Mouse_Bottom",        "eb_Mouse_BottomLeft",  "eb_Mouse_BottomRight",
    "eb_Mouse_hshake",      "eb_Mouse_Left",          "eb_Mouse_Right",       "eb_Mouse_Top",
    "eb_Mouse_TopLeft",     "eb_Mouse_TopRight",      "eb_Mouse_vshake",      "eb_PowerpointEvent",
    "eb_RGesture_Down",     "eb_RGesture_Down_Left",  "eb_RGesture_Down_Right", "eb_RGesture_Left",
    "eb_RGesture_Left_Down", "eb_RGesture_Left_Up",   "eb_RGesture_Right",    "eb_RGesture_Right_Down",
    "eb_RGesture_Right_Up", "eb_RGesture_Straight_DownLeft", "eb_RGesture_Straight_DownRight",
    "eb_RGesture_Straight_UpLeft", "eb_RGesture_Straight_UpRight", "eb_RGesture_Up",
    "eb_RGesture_Up_Left",  "eb_RGesture_Up_Right",   "eb_RGesture_Z",        "eb_SmallClock",
    "eb_SmallMouse",
};

// Clipart pointer pictures (32 x 32); SpriteIndex counts in this order.
inline constexpr std::array<std::string_view, 43> PointerImageNames = {
    "sp_aastar",     "sp_arrowdown",  "sp_arrowleft",     "sp_arrowne",     "sp_arrownw",
    "sp_arrowright", "sp_arrowse",    "sp_arrowsw",       "sp_arrowup",     "sp_bulb",
    "sp_clickhere",  "sp_Clock",      "sp_cross",         "sp_cross2",      "sp_dollar",
    "sp_dollar2",    "sp_exclamation", "sp_exclamation2", "sp_go",          "sp_hammer",
    "sp_hand",       "sp_Hash",       "sp_House",         "sp_Key",         "sp_Laser",
    "sp_No",         "sp_NoSmk",      "sp_paperclip",     "sp_question",    "sp_Question2",
    "sp_stop",       "sp_storm",      "sp_sun",           "sp_tick",        "sp_tick2",
    "sp_torch",      "sp_trafficdown", "sp_trafficleft",  "sp_trafficright", "sp_trafficup",
    "sp_UsFlag",     "sp_USFlag2",    "sp_Wand",
};

inline constexpr std::array<std::string_view, 10> PictureNames = {
    "bm_Autoshapes", "bm_CustomButton", "bm_Question1", "bm_Question2", "bm_Thumbnail_Missing",
    "Br_Pattern",    "Br_Shade",        "Br_Shade2",    "Br_Shade3",    "sample_arrows_180x180",
};

inline constexpr std::string_view EnabledIconName = "ic_1_Enabled";
inline constexpr std::string_view DisabledIconName = "ic_2_Disabled";

// Stock icons also come as name + this suffix at 52 x 52; without one the small
// picture is stretched.
inline constexpr std::string_view BigIconSuffix = "_Big";

// The PowerPoint autoshape sheet: 16 x 16 cells, 4 columns 23 pixels apart and
// 34 rows 20 pixels apart, cut into 24 x 24 icons.
inline constexpr int AutoshapeCount = 136;
inline constexpr int AutoshapeColumns = 4;
inline constexpr int AutoshapeCellSize = 16;
inline constexpr int AutoshapeColumnPitch = 23;
inline constexpr int AutoshapeRowPitch = 20;
inline constexpr int AutoshapeIconSize = 24;

// The stock colours of swatches and coloured cursors, in their fixed order.
struct StockColor {
  std::string_view name;
  std::uint32_t color;  // 0x00BBGGRR
};
inline constexpr std::array<StockColor, 10> StockColors = {{
    {"Red", 0x0000FF},
    {"Yellow", 0x00FFFF},
    {"Green", 0x00FF00},
    {"Aqua", 0xFFFF00},
    {"Blue", 0xFF0000},
    {"Magenta", 0xFF00FF},
    {"White", 0xFFFFFF},
    {"Silver", 0xC0C0C0},
    {"Gray", 0x808080},
    {"Black", 0x000000},
}};

struct CursorEntry {
  int id;
  std::string_view name;
};
inline constexpr std::array<CursorEntry, 26> FixedCursors = {{
    {1, "Id_Pen"},        {2, "id_HiLite"},      {3, "id_Ellipse"},     {4, "id_Rect"},
    {5, "id_Zoom"},       {6, "id_Football"},    {7, "id_Wand"},        {8, "id_HandRight"},
    {9, "ID_PENDOWN"},    {10, "id_HiLiteDown"}, {11, "id_EllipseDown"}, {12, "id_RectDown"},
    {13, "id_ZoomDown"},  {14, "id_UpArrow"},    {15, "id_Null"},       {16, "Id_Toolbar"},
    {17, "id_MultiTrash"}, {18, "id_Trash"},     {21, "id_DBRectangleDown"}, {22, "id_DBRectangle"},
    {23, "id_DBEllipseDown"}, {24, "id_DBEllipse"}, {25, "id_DBLineDown"}, {26, "id_DBLine"},
    {27, "id_TextStamp"}, {250, "crRectDown"},
}};

// Coloured families: id = base + stock colour index, name = prefix + "_" + colour name.
struct CursorFamily {
  std::string_view prefix;
  int base;
};
inline constexpr std::array<CursorFamily, 7> CursorFamilies = {{
    {"crPen", 100},
    {"crPenDown", 110},
    {"crHilite", 200},
    {"crHiliteDown", 210},
    {"crRect", 220},
    {"crEllipse", 230},
    {"crLine", 240},
}};

inline constexpr int InvisibleCursorId = 15;

}  // namespace resources
