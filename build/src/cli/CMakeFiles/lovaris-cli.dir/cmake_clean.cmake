file(REMOVE_RECURSE
  "CMakeFiles/lovaris-cli.dir/main.cpp.o"
  "CMakeFiles/lovaris-cli.dir/main.cpp.o.d"
  "lovaris-cli"
  "lovaris-cli.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/lovaris-cli.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
