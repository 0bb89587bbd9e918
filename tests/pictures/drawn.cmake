# Draws the pictures anew into the build tree and compares each, byte for byte, with the committed
# file of that name, so that the committed pictures cannot drift from the code that draws them.
# cmake -DDRAW=<draw_pictures> -DDRAWN=<folder> -DCOMMITTED=<pictures folder> -P drawn.cmake
file(REMOVE_RECURSE ${DRAWN})
file(MAKE_DIRECTORY ${DRAWN})
execute_process(COMMAND ${DRAW} ${DRAWN} COMMAND_ERROR_IS_FATAL ANY)
file(GLOB names RELATIVE ${DRAWN} ${DRAWN}/*)
foreach(name IN LISTS names)
    file(SHA256 ${DRAWN}/${name} drawn)
    file(SHA256 ${COMMITTED}/${name} committed)
    if(NOT drawn STREQUAL committed)
        message(SEND_ERROR "pictures/${name} is not as draw_pictures draws it now")
    endif()
endforeach()
