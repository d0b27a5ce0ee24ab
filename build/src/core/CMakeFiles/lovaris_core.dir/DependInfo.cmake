
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/core/common/BitSet.cpp" "src/core/CMakeFiles/lovaris_core.dir/common/BitSet.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/common/BitSet.cpp.o.d"
  "/work/main/src/core/common/ByteReader.cpp" "src/core/CMakeFiles/lovaris_core.dir/common/ByteReader.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/common/ByteReader.cpp.o.d"
  "/work/main/src/core/common/ByteWriter.cpp" "src/core/CMakeFiles/lovaris_core.dir/common/ByteWriter.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/common/ByteWriter.cpp.o.d"
  "/work/main/src/core/common/Cp1251.cpp" "src/core/CMakeFiles/lovaris_core.dir/common/Cp1251.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/common/Cp1251.cpp.o.d"
  "/work/main/src/core/common/FileIO.cpp" "src/core/CMakeFiles/lovaris_core.dir/common/FileIO.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/common/FileIO.cpp.o.d"
  "/work/main/src/core/common/FileSignature.cpp" "src/core/CMakeFiles/lovaris_core.dir/common/FileSignature.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/common/FileSignature.cpp.o.d"
  "/work/main/src/core/common/MessageFormat.cpp" "src/core/CMakeFiles/lovaris_core.dir/common/MessageFormat.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/common/MessageFormat.cpp.o.d"
  "/work/main/src/core/common/NumberText.cpp" "src/core/CMakeFiles/lovaris_core.dir/common/NumberText.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/common/NumberText.cpp.o.d"
  "/work/main/src/core/common/StringTable.cpp" "src/core/CMakeFiles/lovaris_core.dir/common/StringTable.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/common/StringTable.cpp.o.d"
  "/work/main/src/core/common/TextCompare.cpp" "src/core/CMakeFiles/lovaris_core.dir/common/TextCompare.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/common/TextCompare.cpp.o.d"
  "/work/main/src/core/data/EditorParsers.cpp" "src/core/CMakeFiles/lovaris_core.dir/data/EditorParsers.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/data/EditorParsers.cpp.o.d"
  "/work/main/src/core/data/ParamsCheck.cpp" "src/core/CMakeFiles/lovaris_core.dir/data/ParamsCheck.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/data/ParamsCheck.cpp.o.d"
  "/work/main/src/core/data/Project.cpp" "src/core/CMakeFiles/lovaris_core.dir/data/Project.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/data/Project.cpp.o.d"
  "/work/main/src/core/data/ProjectDocument.cpp" "src/core/CMakeFiles/lovaris_core.dir/data/ProjectDocument.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/data/ProjectDocument.cpp.o.d"
  "/work/main/src/core/data/ProjectFile.cpp" "src/core/CMakeFiles/lovaris_core.dir/data/ProjectFile.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/data/ProjectFile.cpp.o.d"
  "/work/main/src/core/data/ProjectParams.cpp" "src/core/CMakeFiles/lovaris_core.dir/data/ProjectParams.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/data/ProjectParams.cpp.o.d"
  "/work/main/src/core/data/Specializations.cpp" "src/core/CMakeFiles/lovaris_core.dir/data/Specializations.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/data/Specializations.cpp.o.d"
  "/work/main/src/core/data/TKlassItem.cpp" "src/core/CMakeFiles/lovaris_core.dir/data/TKlassItem.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/data/TKlassItem.cpp.o.d"
  "/work/main/src/core/data/TLessonItem.cpp" "src/core/CMakeFiles/lovaris_core.dir/data/TLessonItem.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/data/TLessonItem.cpp.o.d"
  "/work/main/src/core/data/TRoomItem.cpp" "src/core/CMakeFiles/lovaris_core.dir/data/TRoomItem.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/data/TRoomItem.cpp.o.d"
  "/work/main/src/core/data/TSubjectItem.cpp" "src/core/CMakeFiles/lovaris_core.dir/data/TSubjectItem.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/data/TSubjectItem.cpp.o.d"
  "/work/main/src/core/data/TTeacherItem.cpp" "src/core/CMakeFiles/lovaris_core.dir/data/TTeacherItem.cpp.o" "gcc" "src/core/CMakeFiles/lovaris_core.dir/data/TTeacherItem.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
