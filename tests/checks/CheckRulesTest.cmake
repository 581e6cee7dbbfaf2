# The build's own checks against small source trees, each with one fault or none, so that a
# check that stopped catching its fault fails here.
#
# cmake -DCHECKS_DIR=<cmake dir> -DWORK_DIR=<scratch dir> -P CheckRulesTest.cmake
cmake_minimum_required(VERSION 3.25)
set(failures "")

# expect(NAME CHECK PASS|FAIL FRAGMENT [PATH CONTENT]...): writes the tree, runs CHECK on it
# and compares the outcome; a failing check must name FRAGMENT.
function(expect name check outcome fragment)
  set(root ${WORK_DIR}/${name})
  file(REMOVE_RECURSE ${root})
  set(files ${ARGN})
  while(files)
    list(POP_FRONT files path content)
    file(WRITE ${root}/${path} "${content}\n")
  endwhile()
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${root} -P ${CHECKS_DIR}/${check}.cmake
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(text "${out}${err}")
  if(outcome STREQUAL "PASS" AND NOT status EQUAL 0)
    list(APPEND failures "${name}: ${check} failed on a sound tree:\n${text}")
  elseif(outcome STREQUAL "FAIL" AND status EQUAL 0)
    list(APPEND failures "${name}: ${check} passed a faulty tree")
  elseif(outcome STREQUAL "FAIL" AND NOT text MATCHES "${fragment}")
    list(APPEND failures "${name}: ${check} did not say '${fragment}':\n${text}")
  endif()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

expect(sound_tree CheckLayers PASS ""
  base/Format.h "#pragma once"
  data/Database.h "#include \"base/Format.h\""
  units/Unit.h "#include \"base/Format.h\""
  model/Record.h "#include \"data/Database.h\"\n#include \"units/Unit.h\""
  tools/rapid/Rapid.h "#include \"tools/report/Report.h\"\n#include \"model/Record.h\""
  tools/report/Report.h "#include \"model/Record.h\""
  wizard/Buttons.h "#include \"tools/rapid/Rapid.h\""
  wizard/coil/Coil.h "#include \"wizard/Buttons.h\""
  wizard/coil/ui/CoilDialog.cpp "#include \"CoilDialog.h\"\n#include \"wizard/coil/Coil.h\"\n#include \"data/ui/Picture.h\""
  wizard/coil/ui/CoilDialog.h "#include <QDialog>"
  data/ui/Picture.h "#include <QImage>"
  app/Object.cpp "#include \"Object.h\"\n#include \"wizard/coil/Coil.h\"\n#include \"generated/Missing.h\""
  app/Object.h "#pragma once"
  app/ui/Frame.cpp "#include \"app/Object.h\"\n#include \"wizard/coil/ui/CoilDialog.h\""
  cli/main.cpp "#include \"app/Object.h\"")
expect(upward CheckLayers FAIL "'model' \\(level 2\\) includes 'app' \\(level 5\\) above it"
  app/Object.h "#pragma once"
  model/Record.cpp "#include \"app/Object.h\"")
expect(siblings CheckLayers FAIL "'data' and 'units' are on one level"
  units/Unit.h "#pragma once"
  data/Database.cpp "#include \"units/Unit.h\"")
expect(core_includes_ui CheckLayers FAIL "a file outside ui/ includes a ui/ header"
  app/ui/Frame.h "#pragma once"
  app/Object.cpp "#include \"app/ui/Frame.h\"")
expect(ui_upward CheckLayers FAIL "'data/ui' \\(level 1\\) includes 'app/ui' \\(level 5\\)"
  app/ui/Strings.h "#pragma once"
  data/ui/Picture.cpp "#include \"app/ui/Strings.h\"")
expect(feature_cycle CheckLayers FAIL "cycle: wizard/a -> wizard/b, wizard/b -> wizard/a"
  wizard/a/A.h "#include \"wizard/b/B.h\""
  wizard/b/B.h "#pragma once"
  wizard/b/ui/BDialog.cpp "#include \"wizard/a/A.h\"")
expect(unplaced_folder CheckLayers FAIL "'extras' has no place in the layer order"
  extras/Extra.h "#pragma once")
expect(sound_core CheckQtFree PASS ""
  app/Object.h "#include <string>"
  app/ui/Frame.cpp "#include <QWidget>\n#include \"app/ui/Frame.h\"")
expect(qt_in_core CheckQtFree FAIL "model/Record.h: #include <QString>"
  model/Record.h "#include <QString>")
expect(ui_header_in_core CheckQtFree FAIL "cli/Store.cpp: #include \"app/ui/ConfigStore.h\""
  app/ui/ConfigStore.h "#include <QSettings>"
  cli/Store.cpp "#include \"app/ui/ConfigStore.h\"")
# (Texts in these trees leave out the semicolons: they would split the argument lists.)
expect(sound_ids CheckStringIds PASS ""
  base/BaseStrings.h "inline constexpr int kOk = 1\ninline constexpr int kFirst = 2\ninline constexpr int kEnglish = 2"
  app/AppStrings.h "inline constexpr int kTitle = 3")
expect(name_twice CheckStringIds FAIL "kDone is declared in tools/ToolStrings.h and in wizard/WizardStrings.h"
  tools/ToolStrings.h "inline constexpr int kDone = 5"
  wizard/WizardStrings.h "inline constexpr int kDone = 6")
expect(id_twice CheckStringIds FAIL "id 7 is kName in app/AppStrings.h and kProduct in tools/ToolStrings.h"
  app/AppStrings.h "inline constexpr int kName = 7"
  tools/ToolStrings.h "inline constexpr int kProduct = 7")

if(failures)
  string(REPLACE ";" "\n" text "${failures}")
  message(FATAL_ERROR "${text}")
endif()
message(STATUS "every check catches its fault")
