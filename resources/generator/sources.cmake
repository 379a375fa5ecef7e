# The generator's sources, shared by the native build and the host-tools build
# that the Windows cross build makes first.
set(VELMORA_RESGEN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/coverage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/glyph_font.cpp
  ${CMAKE_CURRENT_LIST_DIR}/button_art.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sprite_art.cpp
  ${CMAKE_CURRENT_LIST_DIR}/autoshape_art.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_art.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bundle_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../icon_table.cpp)
