# The Debian packages, made by CPack from the components of install.cmake: velmish (the programs,
# runtime, docs and desktop files), velmish-desktop (the GTK module) and velmish-editor (velide,
# only when the build has it). Run from the build folder: cpack -G DEB.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmish)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Velmish developers <maintainers@users.noreply.c-seed-a4a4ebc0.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${velmish_packages})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION interpreters)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# A package of the desktop or the editor needs velmish of the same version.
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)

set(CPACK_DEBIAN_VELMISH_PACKAGE_NAME velmish)
set(CPACK_COMPONENT_VELMISH_DESCRIPTION "small scripting language for desktop automation
Velmish scripts automate everyday desktop work: message boxes, questions and
input dialogs, text files, copying and finding files, starting programs,
keystrokes and the clipboard, with variables, loops, subroutines and a
step-by-step debugger.
.
This package holds velint, which runs scripts, velcomp and vellink, which
compile them into stand-alone programs, the runtime of those programs, the
manual and examples. Without the package velmish-desktop every box and dialog
is shown in the terminal.")
if(TARGET velmish_gtk)
    set(CPACK_DEBIAN_VELMISH_PACKAGE_RECOMMENDS velmish-desktop)
endif()

set(CPACK_DEBIAN_DESKTOP_PACKAGE_NAME velmish-desktop)
set(CPACK_COMPONENT_DESKTOP_DEPENDS velmish)
set(CPACK_COMPONENT_DESKTOP_DESCRIPTION "Velmish scripting language - desktop windows
The module that shows the message boxes, dialogs, the info box and the
debugger of Velmish scripts and compiled programs as GTK 3 windows on an X11
or Wayland desktop, and types keys into other windows on X11; and the module
that plays the sounds and videos of the MCI command through GStreamer.")
# GStreamer's plugins play the files: playbin is in base, WAV files in good.
if(TARGET velmish_audio)
    set(CPACK_DEBIAN_DESKTOP_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
endif()

set(CPACK_DEBIAN_EDITOR_PACKAGE_NAME velmish-editor)
set(CPACK_DEBIAN_EDITOR_PACKAGE_SECTION devel)
set(CPACK_COMPONENT_EDITOR_DEPENDS velmish)
set(CPACK_COMPONENT_EDITOR_DESCRIPTION "Velmish scripting language - editor
The editor of Velmish scripts: colours them, runs them with velint, steps
through them in the debugger and compiles them into stand-alone programs.")

include(CPack)
