# Empty compiler generated dependencies file for lovaris_core.
# This may be replaced when dependencies are built.
