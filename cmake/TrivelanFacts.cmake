# The design's facts as JSON (tools/facts/Facts.cpp), and every file made from
# them by tools/fill.py. The tool is plain C++ against the design and runs on the
# machine that builds: a program of this build where it builds for that
# machine, else compiled by the machine's own compiler (the cross builds).
set(TRIVELAN_FACTS ${PROJECT_BINARY_DIR}/generated/facts.json)
set(facts_source ${PROJECT_SOURCE_DIR}/tools/facts/Facts.cpp)
set(facts_includes -I${PROJECT_SOURCE_DIR} -I${PROJECT_BINARY_DIR}/generated)
if(CMAKE_CROSSCOMPILING)
    find_program(TRIVELAN_HOST_CXX NAMES c++ g++ clang++ REQUIRED)
    set(facts_tool ${PROJECT_BINARY_DIR}/generated/trivelan_facts)
    add_custom_command(OUTPUT ${facts_tool}
        COMMAND ${TRIVELAN_HOST_CXX} -std=c++20 -O1 ${facts_includes} -MD -MF ${facts_tool}.d
                ${facts_source} -o ${facts_tool}
        DEPFILE ${facts_tool}.d
        DEPENDS ${facts_source} ${PROJECT_BINARY_DIR}/generated/Version.h
        COMMENT "Building the design's facts tool for this machine"
        VERBATIM)
else()
    add_executable(trivelan_facts ${facts_source})
    target_include_directories(trivelan_facts PRIVATE ${PROJECT_SOURCE_DIR}
        ${PROJECT_BINARY_DIR}/generated)
    target_link_libraries(trivelan_facts PRIVATE trivelan_warnings)
    set(facts_tool $<TARGET_FILE:trivelan_facts>)
endif()
add_custom_command(OUTPUT ${TRIVELAN_FACTS}
    COMMAND ${facts_tool} ${TRIVELAN_FACTS}
    DEPENDS ${facts_tool}
    COMMENT "Writing the design's facts"
    VERBATIM)
add_custom_target(trivelan_facts_json ALL DEPENDS ${TRIVELAN_FACTS})

# trivelan_fill(FORMAT TEMPLATE OUTPUT [MORE_FACTS.json...]): OUTPUT made from
# TEMPLATE at build time (see tools/fill.py), by a target of its own.
function(trivelan_fill format template output)
    get_filename_component(name ${output} NAME)
    add_custom_command(OUTPUT ${output}
        COMMAND /usr/bin/python3 ${PROJECT_SOURCE_DIR}/tools/fill.py ${format} ${template}
                ${output} ${TRIVELAN_FACTS} ${ARGN}
        DEPENDS ${template} ${PROJECT_SOURCE_DIR}/tools/fill.py ${TRIVELAN_FACTS}
                trivelan_facts_json ${ARGN}
        VERBATIM)
    string(MAKE_C_IDENTIFIER "trivelan_fill_${name}" target)
    add_custom_target(${target} ALL DEPENDS ${output})
endfunction()
