# Assembles the run-time data tree in ${SKIM_BUILD_DATA_DIR}; the content work fills this in.
add_custom_target(datatree ALL)
