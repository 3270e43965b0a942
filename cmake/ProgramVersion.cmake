# The version resource and manifest of a shipped program, from the one
# version in the top-level project() call.
set(CORVINA_COPYRIGHT "Copyright (C) 2026 The Corvina2 project")

function(corvina_program_version target description)
    set(CORVINA_DESCRIPTION "${description}")
    set(CORVINA_FILE_NAME "${target}")
    set(CORVINA_FILE_VERSION_COMMAS
        "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
    set(CORVINA_FILE_VERSION_DOTS
        "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
    set(manifest "${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest")
    configure_file("${PROJECT_SOURCE_DIR}/src/app/corvina2.manifest" "${manifest}" @ONLY)
    set(CORVINA_MANIFEST "${manifest}")
    set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc")
    configure_file("${PROJECT_SOURCE_DIR}/src/app/version.rc.in" "${rc}" @ONLY)
    target_sources(${target} PRIVATE "${rc}")
    set_source_files_properties("${rc}" PROPERTIES OBJECT_DEPENDS "${manifest}")
endfunction()
