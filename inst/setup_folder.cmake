# The setup folder, build/setup: everything plixinst installs, and plixinst
# itself. Copy the folder anywhere (a USB stick, a download) and start
# plixinst from it.
set(PLIX_SETUP_DIR ${PROJECT_BINARY_DIR}/setup CACHE INTERNAL "the setup folder the build makes")
set(PLIX_PACKAGE_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/package)

set(setup_files)
function(plix_setup_copy source name)
  add_custom_command(OUTPUT ${PLIX_SETUP_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PLIX_SETUP_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${PLIX_SETUP_DIR}/${name}
    DEPENDS ${source} ${ARGN}
    COMMENT "setup folder: ${name}")
  set(setup_files ${setup_files} ${PLIX_SETUP_DIR}/${name} PARENT_SCOPE)
endfunction()

plix_setup_copy($<TARGET_FILE:plixdesk> plixdesk plixdesk)
plix_setup_copy($<TARGET_FILE:plixinst> plixinst plixinst)
plix_setup_copy($<TARGET_FILE:plixdesk-sound> plixdesk-sound.so plixdesk-sound)
plix_setup_copy(${PROJECT_SOURCE_DIR}/data/pxlng.dat pxlng.dat)
plix_setup_copy(${PROJECT_SOURCE_DIR}/data/Notify.wav Notify.wav)
plix_setup_copy(${PROJECT_SOURCE_DIR}/data/pxhlp.dat pxhlp.dat)

add_custom_command(OUTPUT ${PLIX_SETUP_DIR}/pxini.dat
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PLIX_SETUP_DIR}
  COMMAND ${PLIX_PACKAGE_SCRIPTS}/settings-template.sh ${PLIX_SETUP_DIR}/pxini.dat
  DEPENDS ${PLIX_PACKAGE_SCRIPTS}/settings-template.sh
  COMMENT "setup folder: settings template")
add_custom_command(OUTPUT ${PLIX_SETUP_DIR}/plixdesk.png ${PROJECT_BINARY_DIR}/plixdesk-256.png
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PLIX_SETUP_DIR}
  COMMAND ${PROJECT_SOURCE_DIR}/data/make-icon.sh 48 ${PLIX_SETUP_DIR}/plixdesk.png
  COMMAND ${PROJECT_SOURCE_DIR}/data/make-icon.sh 256 ${PROJECT_BINARY_DIR}/plixdesk-256.png
  DEPENDS ${PROJECT_SOURCE_DIR}/data/make-icon.sh
  COMMENT "setup folder: icon")
add_custom_command(OUTPUT ${PLIX_SETUP_DIR}/plixdesk.libs
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PLIX_SETUP_DIR}
  COMMAND ${PLIX_PACKAGE_SCRIPTS}/list-libraries.sh ${PLIX_SETUP_DIR}/plixdesk.libs
          $<TARGET_FILE:plixdesk> $<TARGET_FILE:plixdesk-sound>
  DEPENDS plixdesk plixdesk-sound ${PLIX_PACKAGE_SCRIPTS}/list-libraries.sh
  COMMENT "setup folder: the program's libraries")
list(APPEND setup_files ${PLIX_SETUP_DIR}/pxini.dat ${PLIX_SETUP_DIR}/plixdesk.png
     ${PLIX_SETUP_DIR}/plixdesk.libs)

add_custom_target(setup ALL DEPENDS ${setup_files})
