# SPDX-FileCopyrightText: 2026 Tavoro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by `cmake --install`: the links in <prefix>/bin and the desktop entries, whose Exec lines
# hold the programs' installed paths, so a menu starts them whether or not <prefix>/bin is on the
# PATH. The paths name the final prefix; a staged install (DESTDIR) only changes where the files
# are put. Expects TAVORO_DESKTOP_SOURCE (the entries' templates), TAVORO_INSTALL_STAGE (a
# scratch folder of the build tree) and the install folders TAVORO_INSTALL_BINDIR,
# TAVORO_INSTALL_PROGRAMDIR and TAVORO_INSTALL_APPLICATIONSDIR (relative to the prefix or absolute).

# One argument of an Exec line: quoted where it holds a reserved character, "%" doubled.
function(tavoro_exec_argument path out)
  string(REPLACE "%" "%%" value "${path}")
  if(value MATCHES "[] \t\n\"'\\\\><~|&;$*?#()`[]")
    foreach(special "\\" "\"" "`" "$")
      string(REPLACE "${special}" "\\${special}" value "${value}")
    endforeach()
    # The desktop file's own string escape doubles each backslash once more.
    string(REPLACE "\\" "\\\\" value "${value}")
    set(value "\"${value}\"")
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

cmake_path(ABSOLUTE_PATH TAVORO_INSTALL_BINDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" OUTPUT_VARIABLE bin_dir)
cmake_path(ABSOLUTE_PATH TAVORO_INSTALL_PROGRAMDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" OUTPUT_VARIABLE program_dir)
cmake_path(ABSOLUTE_PATH TAVORO_INSTALL_APPLICATIONSDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           OUTPUT_VARIABLE applications_dir)
file(RELATIVE_PATH bin_to_programs "${bin_dir}" "${program_dir}")

set(readable OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
# A scratch folder of this install's own: installs to other places may run at the same time.
string(MD5 destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(stage "${TAVORO_INSTALL_STAGE}/${destination}")
file(REMOVE_RECURSE "${stage}")
file(MAKE_DIRECTORY "${stage}/bin")
foreach(entry startomo:tavoro-startomo Pensumo:tavoro-pensumo)
  string(REPLACE ":" ";" entry "${entry}")
  list(GET entry 0 program)
  list(GET entry 1 name)
  file(CREATE_LINK ${bin_to_programs}/${program} "${stage}/bin/${program}" SYMBOLIC)
  file(INSTALL DESTINATION "${bin_dir}" TYPE FILE FILES "${stage}/bin/${program}")
  tavoro_exec_argument("${bin_dir}/${program}" TAVORO_EXEC)
  configure_file("${TAVORO_DESKTOP_SOURCE}/${name}.desktop.in" "${stage}/${name}.desktop" @ONLY)
  file(INSTALL DESTINATION "${applications_dir}" TYPE FILE PERMISSIONS ${readable}
       FILES "${stage}/${name}.desktop")
endforeach()
file(REMOVE_RECURSE "${stage}")
