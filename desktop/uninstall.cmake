# cmake -DMANIFEST=build/install_manifest.txt -P uninstall.cmake
# Removes every file the install listed in MANIFEST.
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to remove: ${MANIFEST} does not exist (run cmake --install first).")
endif()
file(STRINGS "${MANIFEST}" files)
foreach(file IN LISTS files)
  if(EXISTS "$ENV{DESTDIR}${file}" OR IS_SYMLINK "$ENV{DESTDIR}${file}")
    message(STATUS "Removing ${file}")
    file(REMOVE "$ENV{DESTDIR}${file}")
  endif()
endforeach()
