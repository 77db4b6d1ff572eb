# SPDX-FileCopyrightText: 2026 Tavoro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run first by `cmake --install`: makes the folders the install writes into, open to every user.
# CMake makes a missing folder with the installer's umask (an admin's 077 would lock the pupils
# out); folders that exist already keep their modes. Expects TAVORO_INSTALL_FOLDERS, relative to
# the prefix or absolute.

function(tavoro_make_open_folder path)
  if(IS_DIRECTORY "${path}")
    return()
  endif()
  get_filename_component(parent "${path}" DIRECTORY)
  if(NOT parent STREQUAL path)
    tavoro_make_open_folder("${parent}")
  endif()
  file(MAKE_DIRECTORY "${path}")
  file(CHMOD "${path}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
       WORLD_EXECUTE)
endfunction()

foreach(folder IN LISTS TAVORO_INSTALL_FOLDERS)
  cmake_path(ABSOLUTE_PATH folder BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}")
  tavoro_make_open_folder("$ENV{DESTDIR}${folder}")
endforeach()
