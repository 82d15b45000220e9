# Tunes: mkmidi turns each score in music/ into a MIDI file beside the game,
# and the software synthesizer's patch index is made from the freepats set
# (Windows plays the tunes on its own synthesizer).
set(TUNES SMWL1FZero Yiboss2 tune3 Boss2)
if(CMAKE_CROSSCOMPILING)
  game_files_from_native_build(game_music .mid ${TUNES})
  return()
endif()
add_executable(mkmidi
  ${CMAKE_SOURCE_DIR}/tools/mkmidi/main.cpp
  ${CMAKE_SOURCE_DIR}/tools/mkmidi/notation.cpp
  ${CMAKE_SOURCE_DIR}/tools/mkmidi/smf.cpp)
target_include_directories(mkmidi PRIVATE ${CMAKE_SOURCE_DIR})
set_target_properties(mkmidi PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

set(MUSIC_OUTPUTS)
foreach(tune IN LISTS TUNES)
  add_custom_command(
    OUTPUT ${GAME_DIR}/${tune}.mid
    COMMAND mkmidi ${CMAKE_CURRENT_SOURCE_DIR}/music/${tune}.tune ${GAME_DIR}/${tune}.mid
    DEPENDS mkmidi ${CMAKE_CURRENT_SOURCE_DIR}/music/${tune}.tune
    COMMENT "game data: ${tune}.mid")
  list(APPEND MUSIC_OUTPUTS ${GAME_DIR}/${tune}.mid)
endforeach()

# Allegro looks for "default.cfg" beside the program. Its entries name the
# installed patches by full path, so the game folder needs no copies.
set(FREEPATS_CFG /etc/timidity/freepats.cfg CACHE FILEPATH
  "timidity configuration of the General MIDI patches the game's music plays with")
if(EXISTS ${FREEPATS_CFG})
  add_custom_command(
    OUTPUT ${GAME_DIR}/default.cfg
    COMMAND ${CMAKE_COMMAND} -DTIMIDITY_CFG=${FREEPATS_CFG} -DOUTPUT=${GAME_DIR}/default.cfg
            -P ${CMAKE_CURRENT_SOURCE_DIR}/music/patch_index.cmake
    DEPENDS ${FREEPATS_CFG} ${CMAKE_CURRENT_SOURCE_DIR}/music/patch_index.cmake
    COMMENT "game data: default.cfg (patch index)")
  list(APPEND MUSIC_OUTPUTS ${GAME_DIR}/default.cfg)
else()
  message(WARNING "${FREEPATS_CFG} not found (package freepats): the game will play without music")
endif()

add_custom_target(game_music ALL DEPENDS ${MUSIC_OUTPUTS})
