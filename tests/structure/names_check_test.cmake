# SPDX-FileCopyrightText: 2026 Tavoro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The names check on a small tree with one case of each fault and each thing that is allowed.
# Run as: cmake -DCHECK=<names_check> -DWORK_DIR=<empty folder> -P names_check_test.cmake
cmake_policy(SET CMP0007 NEW)
file(REMOVE_RECURSE "${WORK_DIR}")

# (file, contents): sound code beside one case of each fault. "~" stands for ";", which a CMake
# list cannot hold.
set(files
  "framework/Shared.h" "#pragma once\nclass Shared {}~\n"
  "framework/Version.h.in" "#pragma once\n"
  "framework/Shared.cpp" "#include \"Shared.h\"\n#include \"framework/Version.h\"\nnamespace {\nstruct Local {}~\n}\n"
  "exercises/a/Form1.h" "#pragma once\n#include \"framework/Shared.h\"\nnamespace a {\nclass Form1 : public Shared {\n    struct Row {}~\n}~\n}\n"
  "exercises/b/Form1.h" "#pragma once\n// class Form1 {\nnamespace b {\nclass Form1 {}~\ntemplate <typename T> struct Box {}~\ntemplate <> struct Box<int> {}~\n}\n"
  "exercises/b/Form1.cpp" "#include \"exercises/b/Form1.h\"\n#include \"Form1.moc\"\nnamespace {\nstruct Local {}~\n}\nvoid f() { struct Inner {}~ }\nconst char* s = \"class Form1 {\"~\n"
  "tests/one/fixture.h" "#pragma once\nstruct Fixture {}~\n"
  "tests/two/fixture.h" "#pragma once\nstruct Fixture {}~\n"
  "platform/bare.h" "#include \"Shared.h\"\n"
  "platform/up.h" "#include \"../framework/Shared.h\"\n"
  "platform/partial.h" "#include \"forms/form.h\"\n"
  "launcher/Form1.h" "#pragma once\nclass Form1 {}~\n"
  "tools/Form1.cpp" "namespace {\n}\nclass Form1 final : public QObject {}~\n"
  "tests/two/other.cpp" "#include \"tests/two/fixture.h\"\nstruct Fixture {}~\n")
set(expected
  "platform/bare.h: #include \"Shared.h\" is a bare name that is not in the file's own folder"
  "platform/up.h: #include \"../framework/Shared.h\" is a relative path"
  "platform/partial.h: #include \"forms/form.h\" is not a path from the source root"
  "the programs: class Form1 is defined in launcher/Form1.h tools/Form1.cpp"
  "tests/two: class Fixture is defined in tests/two/fixture.h tests/two/other.cpp")

while(files)
  list(POP_FRONT files name contents)
  string(REPLACE "~" ";" contents "${contents}")
  file(WRITE "${WORK_DIR}/${name}" "${contents}")
endwhile()

execute_process(COMMAND "${CHECK}" "${WORK_DIR}" RESULT_VARIABLE result OUTPUT_VARIABLE output)
string(REPLACE "\n" ";" printed "${output}")
list(REMOVE_ITEM printed "")
list(SORT printed)
list(SORT expected)
if(NOT result EQUAL 1 OR NOT printed STREQUAL expected)
  string(REPLACE ";" "\n  " printed "${printed}")
  string(REPLACE ";" "\n  " expected "${expected}")
  message(FATAL_ERROR "exit ${result}, printed:\n  ${printed}\nexpected:\n  ${expected}")
endif()
