# Writes the software synthesizer's patch index from a timidity configuration.
#   cmake -DTIMIDITY_CFG=/etc/timidity/freepats.cfg -DOUTPUT=default.cfg -P patch_index.cmake
#
# Allegro's reader differs from timidity's: melodic programs count from 1,
# drums sit in a "129 begin_multipatch" ... "end_multipatch" block keyed by
# note number, and "dir", "bank" and "drumset" lines are ignored, so every
# patch gets its full path. Options after the file name (amp=, pan=) are
# dropped; Allegro would read them as nothing anyway.
if(NOT EXISTS "${TIMIDITY_CFG}")
  message(FATAL_ERROR "patch index: ${TIMIDITY_CFG} not found")
endif()
get_filename_component(dir "${TIMIDITY_CFG}" DIRECTORY)
set(section "")
set(melodic "")
set(drums "")
file(STRINGS "${TIMIDITY_CFG}" lines)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "#.*" "" line "${line}")
  string(STRIP "${line}" line)
  if(line MATCHES "^dir[ \t]+(.+)$")
    set(dir "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^bank[ \t]+([0-9]+)$")
    set(section "bank${CMAKE_MATCH_1}")
  elseif(line MATCHES "^drumset[ \t]+([0-9]+)$")
    set(section "drumset${CMAKE_MATCH_1}")
  elseif(line MATCHES "^([0-9]+)[ \t]+([^ \t]+)")
    set(number ${CMAKE_MATCH_1})
    set(file "${CMAKE_MATCH_2}")
    if(NOT IS_ABSOLUTE "${file}")
      set(file "${dir}/${file}")
    endif()
    if(NOT file MATCHES "\\.pat$")
      string(APPEND file ".pat")
    endif()
    # only the General MIDI sets: other banks would overwrite their programs
    if(section STREQUAL "bank0" AND number LESS 128)
      math(EXPR program "${number} + 1")
      string(APPEND melodic "${program} ${file}\n")
    elseif(section STREQUAL "drumset0" AND number LESS 128)
      string(APPEND drums "${number} ${file}\n")
    endif()
  endif()
endforeach()
if(melodic STREQUAL "" OR drums STREQUAL "")
  message(FATAL_ERROR "patch index: no bank 0 or drumset 0 patches in ${TIMIDITY_CFG}")
endif()
file(WRITE "${OUTPUT}.tmp"
  "# Patch index for Allegro's software MIDI synthesizer, made from ${TIMIDITY_CFG}\n"
  "${melodic}"
  "129 begin_multipatch\n"
  "${drums}"
  "end_multipatch\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
