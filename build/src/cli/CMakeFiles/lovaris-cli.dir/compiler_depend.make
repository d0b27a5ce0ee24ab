# Empty compiler generated dependencies file for lovaris-cli.
# This may be replaced when dependencies are built.
