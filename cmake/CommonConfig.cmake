# Shared compile settings: every target of ours links veritom_settings.
add_library(veritom_settings INTERFACE)
target_compile_features(veritom_settings INTERFACE cxx_std_20)
target_compile_options(veritom_settings INTERFACE -Wall -Wextra -Werror -Wno-missing-field-initializers)
target_compile_definitions(veritom_settings INTERFACE
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  VERITOM_VERSION="${PROJECT_VERSION}")

set(VERITOM_SANITIZE "" CACHE STRING "Sanitizers to build with, e.g. address,undefined")
if(VERITOM_SANITIZE)
  target_compile_options(veritom_settings INTERFACE -fsanitize=${VERITOM_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(veritom_settings INTERFACE -fsanitize=${VERITOM_SANITIZE})
endif()

# Coverage for libFuzzer in every library (clang only); the fuzz programs link the engine.
option(VERITOM_FUZZ "Build the libFuzzer programs of fuzz/" OFF)
if(VERITOM_FUZZ)
  target_compile_options(veritom_settings INTERFACE -fsanitize=fuzzer-no-link)
endif()
