# Run as a script: cmake -DIN=<file> -DOUT=<cpp> -DNAME=<symbol> -DNS=<namespace> -P EmbedText.cmake
# Writes a C++ source defining `const char NAME[]` with the file's bytes.
file(READ ${IN} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," body "${hex}")
file(WRITE ${OUT} "// Generated from ${IN}; do not edit.\nnamespace ${NS} {\nextern const char ${NAME}[];\nconst char ${NAME}[] = {${body} '\\0'};\n}\n")
