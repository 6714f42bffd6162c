# Installs the build into a fresh prefix and checks that everything lands where Debian desktops
# and the program itself look: the program, its pictures beside it in <prefix>/bin/../<data>, the
# desktop entry, the metainfo with this version, and the icon in every hicolor size. The desktop
# entry names that icon and the window class the program's windows carry, so that docks tie the
# running windows to it.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed:\n${out}")
endif()

set(expected
  "${BIN_DIR}/quorvan"
  "${BIN_DIR}/../${PICTURE_DIR}/KTR8.png"
  "${BIN_DIR}/../${PICTURE_DIR}/KTR6.png"
  "${BIN_DIR}/../${PICTURE_DIR}/LinesSmall.png"
  "${DATA_DIR}/applications/${APP_ID}.desktop"
  "${DATA_DIR}/metainfo/${APP_ID}.metainfo.xml")
foreach(size IN LISTS ICON_SIZES)
  list(APPEND expected "${DATA_DIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
endforeach()

set(missing)
foreach(path IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${path}")
    list(APPEND missing "${path}")
  endif()
endforeach()
if(missing)
  list(JOIN missing "\n  " missing)
  message(FATAL_ERROR "not installed under ${PREFIX}:\n  ${missing}")
endif()

file(READ "${PREFIX}/${DATA_DIR}/metainfo/${APP_ID}.metainfo.xml" metainfo)
file(READ "${PREFIX}/${DATA_DIR}/applications/${APP_ID}.desktop" desktop)
if(NOT metainfo MATCHES "<release version=\"${VERSION}\"")
  message(FATAL_ERROR "the metainfo's release is not version ${VERSION}")
endif()
if(NOT desktop MATCHES "\nX-Quorvan-Version=${VERSION}\n")
  message(FATAL_ERROR "the desktop entry does not carry version ${VERSION}")
endif()
foreach(key IN ITEMS "Icon=${APP_ID}" "StartupWMClass=${WM_CLASS}")
  if(NOT desktop MATCHES "\n${key}\n")
    message(FATAL_ERROR "the desktop entry lacks ${key}")
  endif()
endforeach()
