# Project-wide compile settings applied through one interface target, so every
# library, program and test picks up the same warnings and sanitizers.
add_library(solvane_options INTERFACE)
add_library(solvane::options ALIAS solvane_options)
target_compile_features(solvane_options INTERFACE cxx_std_20)
target_compile_options(solvane_options INTERFACE -Wall -Wextra -Wpedantic)
if(SOLVANE_WERROR)
  target_compile_options(solvane_options INTERFACE -Werror)
endif()
if(SOLVANE_SANITIZE)
  target_compile_options(solvane_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(solvane_options INTERFACE -fsanitize=address,undefined)
endif()
# In a unity build each source is included into a batch file, so GCC takes it
# for a header and warns about its own types from an unnamed namespace.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(solvane_options INTERFACE
    $<$<BOOL:$<TARGET_PROPERTY:UNITY_BUILD>>:-Wno-subobject-linkage>)
endif()
