src/cli/CMakeFiles/lovaris-cli.dir/main.cpp.o: \
 /work/main/src/cli/main.cpp /usr/include/stdc-predef.h
