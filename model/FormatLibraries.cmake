# SPDX-License-Identifier: MIT
# The libraries of the .ipuz writer and the .jpz and zipped .jpz readers
# (installed by tools/lib/setup.sh), as one target for the model and its
# fuzzing copy. The .ipuz reader has a JSON reader of its own (JsonDocument).
find_package(nlohmann_json 3.10 REQUIRED)
find_package(pugixml 1.11 REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(MINIZIP REQUIRED IMPORTED_TARGET minizip)
add_library(trellis_format_libs INTERFACE)
target_link_libraries(trellis_format_libs INTERFACE nlohmann_json::nlohmann_json pugixml::pugixml PkgConfig::MINIZIP)
