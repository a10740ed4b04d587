# Makes a main panel definition whose stored skin is cut short: the spliced
# definition with its SkinStream property holding only the first PERCENT
# per cent of the skin stream (and that length), as a damaged file would.
#   cmake -DIN=Unit1.json -DOUT=Unit1-truncated.json -DPERCENT=90 -P TruncateSkinStream.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/LittleEndianHex.cmake)
file(READ "${IN}" text)
string(REGEX MATCH "\"SkinStream\": \"([0-9a-fA-F]+)\"" found "${text}")
if(NOT found)
  message(FATAL_ERROR "${IN}: no SkinStream property")
endif()
set(stream "${CMAKE_MATCH_1}")
string(LENGTH "${stream}" digits)
math(EXPR KEEP "(${digits} / 2 - 4) * ${PERCENT} / 100")
math(EXPR hexDigits "${KEEP} * 2")
# The property is a 4-byte length (8 hex digits, lowest byte first), then the stream.
string(SUBSTRING "${stream}" 8 ${hexDigits} kept)
little_endian_hex32(${KEEP} length)
string(REPLACE "${found}" "\"SkinStream\": \"${length}${kept}\"" text "${text}")
file(WRITE "${OUT}" "${text}")
