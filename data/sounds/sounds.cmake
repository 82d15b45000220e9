# Sound effects: mksound turns each description in sounds/ into a WAV file
# beside the game. A source it cannot read stops the build, naming the file.
set(SOUND_EFFECTS jump header block stomp hurt ball_lost level_won game_over mushroom)
if(CMAKE_CROSSCOMPILING)
  game_files_from_native_build(game_sounds .wav ${SOUND_EFFECTS})
  return()
endif()
add_executable(mksound
  ${CMAKE_SOURCE_DIR}/tools/mksound/main.cpp
  ${CMAKE_SOURCE_DIR}/tools/mksound/synth.cpp)
target_include_directories(mksound PRIVATE ${CMAKE_SOURCE_DIR})
set_target_properties(mksound PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

set(SOUND_OUTPUTS)
foreach(name IN LISTS SOUND_EFFECTS)
  add_custom_command(
    OUTPUT ${GAME_DIR}/${name}.wav
    COMMAND mksound ${CMAKE_CURRENT_SOURCE_DIR}/sounds/${name}.sfx ${GAME_DIR}/${name}.wav
    DEPENDS mksound ${CMAKE_CURRENT_SOURCE_DIR}/sounds/${name}.sfx
    COMMENT "game data: ${name}.wav")
  list(APPEND SOUND_OUTPUTS ${GAME_DIR}/${name}.wav)
endforeach()
add_custom_target(game_sounds ALL DEPENDS ${SOUND_OUTPUTS})
