# SPDX-License-Identifier: MIT
# The arithmetic without widgets, as one list: the program, the tests and the fuzz build all compile these.
set(ASTROLABE_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/figure_geometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/number_rules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/numeric_overflow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/solar_hour.cpp
    ${CMAKE_CURRENT_LIST_DIR}/solver.cpp
)
