# The alert tone "Avviso.mp3" beside the program: synthesised by a small
# program of our own and encoded with lame. Without lame the program runs
# silent (a missing tone is no error).
add_executable(selvadoro_alert_tone ${CMAKE_SOURCE_DIR}/assets/sound/AlertTone.cpp)
find_program(SELVADORO_LAME lame)
if(SELVADORO_LAME)
    set(tone_wav ${SELVADORO_DELIVERED_DIR}/Avviso.wav)
    add_custom_command(
        OUTPUT ${SELVADORO_INSTALL_DIR}/Avviso.mp3
        COMMAND ${CMAKE_COMMAND} -E make_directory ${SELVADORO_DELIVERED_DIR}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${SELVADORO_INSTALL_DIR}
        COMMAND selvadoro_alert_tone ${tone_wav}
        COMMAND ${SELVADORO_LAME} --quiet -b 64 ${tone_wav} ${SELVADORO_INSTALL_DIR}/Avviso.mp3
        DEPENDS selvadoro_alert_tone
        COMMENT "Avviso.mp3")
    add_custom_target(selvadoro_alert_sound ALL DEPENDS ${SELVADORO_INSTALL_DIR}/Avviso.mp3)
    set(SELVADORO_ALERT_TONE ${SELVADORO_INSTALL_DIR}/Avviso.mp3)
else()
    message(WARNING "lame not found: the program is built without its alert tone")
    set(SELVADORO_ALERT_TONE "")
endif()
