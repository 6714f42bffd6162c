# Compiles the Windows resource script with the MinGW resource compiler, reads the result back as
# text and checks the program file's identity in it: the version record's fixed part and string
# table (the rights notice's © included, which depends on the script's code page), the manifest,
# and the icon group's seven images in their order.
file(MAKE_DIRECTORY "${WORK}")
execute_process(
  COMMAND "${WINDRES}" "--preprocessor=${PREPROCESSOR}" --preprocessor-arg=-E
    --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED
    "${SCRIPT}" -O res -o "${WORK}/quorvan.res"
  WORKING_DIRECTORY "${WORK}"
  RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the resource script does not compile:\n${err}")
endif()
execute_process(COMMAND "${WINDRES}" -i "${WORK}/quorvan.res" -O rc
  RESULT_VARIABLE rc OUTPUT_VARIABLE text ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the compiled resources do not read back:\n${err}")
endif()

set(expected
  "FILEVERSION 2, 0, 0, 0"
  "PRODUCTVERSION 2, 0, 0, 0"
  "FILEOS 0x4"
  "FILETYPE 0x1"
  "BLOCK \"040904b0\""
  "VALUE \"CompanyName\", \"Quorvan\""
  "VALUE \"LegalCopyright\", \"Quorvan\""
  "VALUE \"FileDescription\", \"Quorvan\""
  "VALUE \"ProductName\", \"Quorvan\""
  "VALUE \"InternalName\", \"Quorvan\""
  "VALUE \"PackageInfo\", \"Quorvan\""
  "VALUE \"FileVersion\", \"2.0.0.0\""
  "VALUE \"ProductVersion\", \"2.0\""
  "VALUE \"OriginalFilename\", \"Quorvan.exe\""
  "VALUE \"LongVersion\", L\"\\251 2019-2026 the Quorvan authors\""
  "VALUE \"Release\", \"Final\""
  "VALUE \"Translation\", 0x409, 1200"
  "/* RT_MANIFEST */"
  "assemblyIdentity version=\"\"2.0.0.0\"\" name=\"\"Quorvan.exe\"\""
  "Has 7 elements")
foreach(line IN LISTS expected)
  string(FIND "${text}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "missing from the compiled resources: ${line}")
  endif()
endforeach()

# The group's entries, in order: width, height, colour count, planes and bits per pixel.
string(REGEX MATCHALL "\"[\\\\0-9]+\", 1, (8|32)," entries "${text}")
set(want
  "\"\\060\\060\\000\\000\", 1, 8," "\"\\040\\040\\000\\000\", 1, 8," "\"\\020\\020\\000\\000\", 1, 8,"
  "\"\\000\\000\\000\\000\", 1, 32," "\"\\060\\060\\000\\000\", 1, 32,"
  "\"\\040\\040\\000\\000\", 1, 32," "\"\\020\\020\\000\\000\", 1, 32,")
if(NOT entries STREQUAL want)
  message(FATAL_ERROR "icon group is\n  ${entries}\nnot\n  ${want}")
endif()
