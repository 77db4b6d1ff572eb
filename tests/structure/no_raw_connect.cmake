# SPDX-FileCopyrightText: 2026 Tavoro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Program code takes signals only through platform::onEvent: a handler connected any other way
# does not enter through runHandler, and an End() inside it would throw through Qt's event loop.
# The forms runtime and the platform services below it (platform/) are where the connects live.
set(offending "")
foreach(folder framework launcher exercises taskmanager)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.cpp" "${SOURCE_DIR}/${folder}/*.h")
  foreach(source ${sources})
    file(STRINGS "${source}" lines REGEX "(^|[^A-Za-z0-9_])connect[ \t]*\\(")
    foreach(line ${lines})
      file(RELATIVE_PATH name "${SOURCE_DIR}" "${source}")
      string(STRIP "${line}" line)
      string(APPEND offending "\n  ${name}: ${line}")
    endforeach()
  endforeach()
endforeach()
if(offending)
  message(FATAL_ERROR "Connect these through platform::onEvent (platform/forms/events.h):${offending}")
endif()
