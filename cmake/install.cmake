# Installation folder: build/win/install, laid out as on a user's machine.
install(TARGETS Monitor Option RUNTIME DESTINATION .)
install(TARGETS KBHook lan RUNTIME DESTINATION . LIBRARY DESTINATION .)
install(DIRECTORY DESTINATION config)
install(DIRECTORY DESTINATION skins)
install(DIRECTORY ${SKIN_DIR}/ DESTINATION skins)
