# SPDX-FileCopyrightText: 2026 Tavoro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source and build file names its licence in its first lines, so a file copied out of the
# project still says under which terms.
set(missing "")
file(GLOB top_level "${SOURCE_DIR}/CMakeLists.txt" "${SOURCE_DIR}/scripts/*")
set(sources ${top_level})
foreach(folder platform framework exercises launcher taskmanager tools tests bench)
  file(GLOB_RECURSE found "${SOURCE_DIR}/${folder}/*.cpp" "${SOURCE_DIR}/${folder}/*.h"
       "${SOURCE_DIR}/${folder}/CMakeLists.txt" "${SOURCE_DIR}/${folder}/*.cmake")
  list(APPEND sources ${found})
endforeach()
foreach(source ${sources})
  file(READ "${source}" head LIMIT 400)
  if(NOT head MATCHES "SPDX-License-Identifier: GPL-3\\.0-or-later")
    file(RELATIVE_PATH name "${SOURCE_DIR}" "${source}")
    string(APPEND missing "\n  ${name}")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "These files lack the SPDX licence header:${missing}")
endif()
