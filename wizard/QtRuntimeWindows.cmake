# What MPLABConverter.exe needs beside it on a Windows machine without Qt,
# installed with it (and so packed into the Windows ZIP) in a MinGW build:
# the Qt DLLs it imports, the Windows platform plugin, the native style, the
# MinGW runtime DLLs the Qt DLLs import and the licence texts shipping Qt
# requires. The runtime DLLs and the licences are in the Qt kit that
# scripts/build-qt-windows makes; a Qt without them is refused here rather
# than making a ZIP that cannot start.

set(qt_kit_bin "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
set(qt_kit_licences "${QT6_INSTALL_PREFIX}/licenses")
set(qt_runtime_dlls
  "${qt_kit_bin}/libstdc++-6.dll"
  "${qt_kit_bin}/libgcc_s_seh-1.dll"
  "${qt_kit_bin}/libwinpthread-1.dll")
foreach(needed IN LISTS qt_runtime_dlls qt_kit_licences)
  if(NOT EXISTS "${needed}")
    message(FATAL_ERROR "The Qt kit in ${QT6_INSTALL_PREFIX} lacks ${needed}, which the "
      "wizard's Windows install needs: build the kit with scripts/build-qt-windows")
  endif()
endforeach()

install(FILES
  $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
  ${qt_runtime_dlls}
  DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
  DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
  DESTINATION ${CMAKE_INSTALL_BINDIR}/styles)
install(DIRECTORY "${qt_kit_licences}/" DESTINATION ${CMAKE_INSTALL_DOCDIR}/qt-licenses)
# Where Qt's source and the recipe are, and the MinGW runtime's copyrights:
# a folder scripts/package writes.
if(QUILLBROOK_WINDOWS_NOTICES)
  install(DIRECTORY "${QUILLBROOK_WINDOWS_NOTICES}/" DESTINATION ${CMAKE_INSTALL_DOCDIR}/qt-licenses)
endif()
