# Version strings of the program, generated from the project version; they take
# the place of a version resource (description, file and product version,
# copyright notice).
set(ZM47_FILE_DESCRIPTION "ZM-47 Librarian")
set(ZM47_FILE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
set(ZM47_PRODUCT_VERSION "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
set(ZM47_LEGAL_COPYRIGHT "Copyright (C) 2026 The ZM-47 Librarian developers")
configure_file(${CMAKE_CURRENT_LIST_DIR}/Version.h.in
               ${PROJECT_BINARY_DIR}/generated/zm47_version.h @ONLY)
