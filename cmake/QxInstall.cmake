# What `cmake --install` puts on a Linux system, and the Debian package CPack
# builds of the same tree: the editor, the simulator, the udev rule for the
# processor's HID interface, the desktop entry and the program icon in the
# hicolor theme sizes drawn by tools/art.
include(GNUInstallDirs)

set(QX_UDEV_RULES_DIR "lib/udev/rules.d" CACHE STRING
  "Where the udev rule is installed, relative to the install prefix")
set(QX_LINUX_DIR ${PROJECT_SOURCE_DIR}/resources/linux)

foreach(program qx73b-editor qx73b-sim)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
install(FILES ${QX_LINUX_DIR}/70-qx73b-editor.rules DESTINATION ${QX_UDEV_RULES_DIR})
install(FILES ${QX_LINUX_DIR}/qx73b-editor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size IN LISTS QX_ICON_SIZES)
  install(FILES ${PROJECT_BINARY_DIR}/resources/art/program-icon-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME qx73b-editor.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qx73b-editor)
set(CPACK_PACKAGE_VERSION 1.2.0)
set(CPACK_PACKAGE_CONTACT "QX-73B editor maintainers <qx73b-editor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor and remote controller for the QX-73B audio processor")
set(CPACK_PACKAGE_DESCRIPTION
  "Reads the QX-73B digital audio processor's parameter state over USB HID, a serial port or TCP, \
edits every channel with live response curves, and stores presets on the processor and in files. \
Includes qx73b-sim, a simulated processor for trying the editor without hardware, and the udev rule \
that gives the logged-in user access to the processor's USB interface.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
# Libraries from the binaries (dpkg-shlibdeps); the fonts the windows name are
# not linked, so they are listed.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${QX_LINUX_DIR}/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
