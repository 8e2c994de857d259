# qp_folder_library(<target> [WINDOWS <patterns>...] [MODEL <patterns>...] [DEPENDS <targets>...])
# Two static libraries per source folder, after the layer rule:
#   <target>_model  the widget-free files (physics, geometry, layout, drawing on the canvas).
#                   It links Qt Core and Gui only: a Widgets header included there, directly
#                   or through another header, does not compile.
#   <target>        the window files, on top of <target>_model; links Qt Widgets.
# The patterns (globs on the file name without its extension) name the files of one side;
# the other side takes the rest. WINDOWS names the window files (default: *fenster); MODEL,
# when given, names the model files instead. DEPENDS names the libraries of other folders:
# the model library links their _model library, the window library the library itself.
# The folder's resource files (*.qrc) go with the window library.
function(qp_folder_library target)
  cmake_parse_arguments(ARG "" "" "WINDOWS;MODEL;DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  file(GLOB resources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  if(ARG_MODEL)
    set(patterns ${ARG_MODEL})
  elseif(ARG_WINDOWS)
    set(patterns ${ARG_WINDOWS})
  else()
    set(patterns "*fenster")
  endif()
  set(named "")
  set(rest "")
  foreach(s IN LISTS sources)
    get_filename_component(name ${s} NAME_WE)
    set(hit FALSE)
    foreach(p IN LISTS patterns)
      string(REPLACE "*" ".*" regex "^${p}$")
      if(name MATCHES "${regex}")
        set(hit TRUE)
      endif()
    endforeach()
    if(hit)
      list(APPEND named ${s})
    else()
      list(APPEND rest ${s})
    endif()
  endforeach()
  if(ARG_MODEL)
    set(model_sources ${named})
    set(window_sources ${rest})
  else()
    set(model_sources ${rest})
    set(window_sources ${named})
  endif()
  set(model_deps "")
  foreach(d IN LISTS ARG_DEPENDS)
    list(APPEND model_deps ${d}_model)
  endforeach()

  _qp_library(${target}_model "${model_sources}" Qt6::Core Qt6::Gui ${model_deps})
  _qp_library(${target} "${window_sources}" ${target}_model Qt6::Widgets ${ARG_DEPENDS})
  get_target_property(model_type ${target}_model TYPE)
  if(model_type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target}_model INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
  else()
    target_include_directories(${target}_model PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  endif()

  # Resources go straight into every program that uses the folder: from inside a static
  # library their registration would be dropped by the linker.
  if(resources)
    add_library(${target}_texte OBJECT ${resources})
    target_link_libraries(${target}_texte PRIVATE Qt6::Core)
    target_sources(${target} INTERFACE $<TARGET_OBJECTS:${target}_texte>)
  endif()

  # The English captions of the folder (translations/<folder>_en.ts), built into the window
  # library as :/i18n/<folder>_en.qm.
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(ts ${PROJECT_SOURCE_DIR}/translations/${folder}_en.ts)
  if(EXISTS ${ts})
    qt_add_lrelease(${target} TS_FILES ${ts} QM_FILES_OUTPUT_VARIABLE qm)
    qt_add_resources(${target} ${target}_uebersetzung PREFIX "/i18n" BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${qm})
  endif()
endfunction()

# A static library of the given files linking the given libraries; an interface library
# when there is no .cpp file among them.
function(_qp_library target sources)
  set(has_cpp FALSE)
  foreach(s IN LISTS sources)
    if(s MATCHES "\\.cpp$")
      set(has_cpp TRUE)
    endif()
  endforeach()
  if(has_cpp)
    add_library(${target} STATIC ${sources})
    target_link_libraries(${target} PUBLIC ${ARGN})
  else()
    add_library(${target} INTERFACE ${sources})
    target_link_libraries(${target} INTERFACE ${ARGN})
  endif()
endfunction()
