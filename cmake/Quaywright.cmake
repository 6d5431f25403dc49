# Helpers shared by the folders' CMakeLists.

# A core library: every *.cpp of the calling folder except the qt_* adapters.
function(qw_core_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/qt_[^/]*\\.cpp$")
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    if(ARGN)
      target_link_libraries(${name} PUBLIC ${ARGN})
    endif()
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    if(ARGN)
      target_link_libraries(${name} INTERFACE ${ARGN})
    endif()
  endif()
endfunction()

# The Qt adapters of the calling folder (qt_*.cpp), as their own library.
function(qw_qt_adapter name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/qt_*.cpp)
  if(NOT sources)
    return()
  endif()
  add_library(${name} STATIC ${sources})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# A GoogleTest executable from every *.cpp of the calling folder.
function(qw_gtest name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE GTest::gtest_main GTest::gmock ${ARGN})
  if(CMAKE_CROSSCOMPILING)
    # One test per executable: each start of an emulator (Wine) costs about a second.
    # Tests of POSIX behaviour (symbolic links, PATH lists) are left out; QW_POSIX_ONLY_TESTS
    # names them.
    set(skip "")
    if(QW_POSIX_ONLY_TESTS)
      list(JOIN QW_POSIX_ONLY_TESTS ":" skip)
      set(skip "--gtest_filter=-${skip}")
    endif()
    add_test(NAME ${name} COMMAND ${name} ${skip})
    return()
  endif()
  # The executable's name prefixes every test, so "ctest -R model" selects a folder's tests.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST TEST_PREFIX "${name}."
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
