# Parsing Qt's headers is most of the time a file of ours takes to compile. A
# precompiled header of those the code includes most is made once, and every
# target that is built against Qt reuses it. The plain C++ targets, built
# without Qt, keep compiling without it.

# qt_modules(TARGET OUT): the Qt modules TARGET links, itself or through the
# project's own libraries.
function(qt_modules target out)
    set(modules "")
    get_target_property(libraries ${target} LINK_LIBRARIES)
    foreach(library IN LISTS libraries)
        if(library MATCHES "^Qt6::(.+)$")
            list(APPEND modules ${CMAKE_MATCH_1})
        elseif(TARGET ${library})
            get_target_property(imported ${library} IMPORTED)
            if(NOT imported)
                qt_modules(${library} through)
                list(APPEND modules ${through})
            endif()
        endif()
    endforeach()
    list(REMOVE_DUPLICATES modules)
    set(${out} ${modules} PARENT_SCOPE)
endfunction()

# targets_below(DIR OUT): every target made in DIR and the folders below it.
function(targets_below dir out)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirectories DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory IN LISTS subdirectories)
        targets_below(${subdirectory} below)
        list(APPEND targets ${below})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

# A precompiled header is used only where Qt's module macros (QT_GUI_LIB and
# the like) are defined as where it was made, so there is one for the targets
# with widgets and one for those with Qt Core alone.
set(qt_core_headers
    <QtCore/QAbstractTableModel> <QtCore/QElapsedTimer> <QtCore/QFile> <QtCore/QFileInfo>
    <QtCore/QHash> <QtCore/QList> <QtCore/QObject> <QtCore/QString> <QtCore/QStringList>
    <QtCore/QStringView> <QtCore/QTimer> <QtCore/QVariant>)
set(qt_widgets_headers
    <QtGui/QAction> <QtWidgets/QApplication> <QtWidgets/QCheckBox> <QtWidgets/QHeaderView>
    <QtWidgets/QLabel> <QtWidgets/QLineEdit> <QtWidgets/QPushButton> <QtWidgets/QRadioButton>
    <QtWidgets/QTableView> <QtWidgets/QWidget>)

# Called once every target exists, at the end of the top-level CMakeLists.txt.
function(reuse_qt_header_pch)
    add_library(vandelor_qt_core_pch STATIC ${PROJECT_SOURCE_DIR}/cmake/qt_header_pch.cpp)
    target_link_libraries(vandelor_qt_core_pch PRIVATE Qt6::Core)
    target_precompile_headers(vandelor_qt_core_pch PRIVATE ${qt_core_headers})
    add_library(vandelor_qt_widgets_pch STATIC ${PROJECT_SOURCE_DIR}/cmake/qt_header_pch.cpp)
    target_link_libraries(vandelor_qt_widgets_pch PRIVATE Qt6::Widgets)
    target_precompile_headers(vandelor_qt_widgets_pch PRIVATE
        ${qt_core_headers} ${qt_widgets_headers})
    targets_below(${PROJECT_SOURCE_DIR} targets)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        # A window program (WIN32) is only its main(), and on Windows Qt gives
        # it a macro of its own.
        get_target_property(window_program ${target} WIN32_EXECUTABLE)
        if(target MATCHES "^vandelor_qt_.*_pch$" OR window_program
                OR NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY)$")
            continue()
        endif()
        qt_modules(${target} modules)
        if("Widgets" IN_LIST modules)
            target_precompile_headers(${target} REUSE_FROM vandelor_qt_widgets_pch)
        elseif("Core" IN_LIST modules AND NOT "Gui" IN_LIST modules)
            target_precompile_headers(${target} REUSE_FROM vandelor_qt_core_pch)
        endif()
    endforeach()
endfunction()
