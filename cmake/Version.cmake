# Version strings of the program, generated from the project version; they take
# the place of a version resource (description, file and product version,
# copyright notice).
set(ZM47_FILE_DESCRIPTION "ZM-47 Librarian")
# The desktop entry's file name (without .desktop) and the AppStream id.
set(ZM47_APP_ID "org.zm47librarian.Librarian")
# The MIME type of librarian files (.z4l).
set(ZM47_MIME_TYPE "application/x-zm47-librarian")
# The day the project version was released, for the AppStream metainfo.
set(ZM47_RELEASE_DATE "2026-12-08")
set(ZM47_FILE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
set(ZM47_PRODUCT_VERSION "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
set(ZM47_LEGAL_COPYRIGHT "Copyright (C) 2026 The ZM-47 Librarian developers")
# The licence (an SPDX name) the program is distributed under; LICENSE holds its text.
set(ZM47_LICENSE "MIT")
configure_file(${CMAKE_CURRENT_LIST_DIR}/Version.h.in
               ${PROJECT_BINARY_DIR}/generated/zm47_version.h @ONLY)

# The Debian package takes its version from debian/changelog; it must be the
# project version, or the package would call itself by another number than
# its programs and its metainfo do.
file(STRINGS ${PROJECT_SOURCE_DIR}/debian/changelog ZM47_CHANGELOG_HEAD LIMIT_COUNT 1)
if(NOT ZM47_CHANGELOG_HEAD MATCHES "^zm47-librarian \\(${PROJECT_VERSION}(-[0-9.]+)?\\) ")
  message(FATAL_ERROR "debian/changelog begins with \"${ZM47_CHANGELOG_HEAD}\", "
                      "not with version ${PROJECT_VERSION} of the project (CMakeLists.txt): add a changelog entry")
endif()
